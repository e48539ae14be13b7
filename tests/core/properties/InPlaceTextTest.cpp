// Typing on the design surface: over every kind of both libraries, what is
// offered to type into and what typing does to the form.
#include "SheetFixture.h"
#include "files/FormFileSupport.h"
#include "core/model/KindSpec.h"
#include "core/properties/InPlaceText.h"

using namespace zf;
using namespace zf::test;

namespace {

class InPlace : public SheetFixture, public ::testing::WithParamInterface<int>
{
protected:
    InPlace() : SheetFixture(GetParam()) {}
};

TEST_P(InPlace, EveryKindThatShowsATextIsTypedOverAsOneStep)
{
    const LibrarySupport &library = project.librarySupport();
    int typedOver = 0;
    for (const KindSpec &spec : library.kinds()) {
        project.setPressedTool(spec.kind);
        if (!spec.onToolbox || !library.createControlAt(*form, 8, 30, form->screen()))
            continue;
        DesignObject *object = project.selectedObject();
        const std::optional<InPlaceText> target = InPlaceTextOf(*form);
        ASSERT_EQ(target.has_value(), !spec.textRow.isEmpty()) << kindWord(spec.kind).toStdString();
        if (!target)
            continue;
        ++typedOver;
        // The text is the row the sheet shows, and typing writes that row.
        EXPECT_EQ(target->object, object);
        EXPECT_EQ(target->value, sheet.value(spec.textRow));
        const QByteArray before = formBytes(*form);
        const int steps = form->undoStack().count();
        ApplyInPlaceText(*form, *target, QStringLiteral("Typed \u00e9 \"here\""));
        EXPECT_EQ(library.shownText(*object)->value, QStringLiteral("Typed \u00e9 \"here\""));
        EXPECT_EQ(form->undoStack().count(), steps + 1);
        ApplyInPlaceText(*form, *target, QStringLiteral("Typed \u00e9 \"here\"")); // unchanged
        EXPECT_EQ(form->undoStack().count(), steps + 1);
        form->undoStack().undo();
        EXPECT_EQ(formBytes(*form), before);
    }
    EXPECT_GE(typedOver, 7);
}

// Typing reaches what the sheet's cell would, and one object only; a
// target an undo took away is left alone.
TEST_P(InPlace, OnlyOneSelectedObjectOfTheFormIsTypedOver)
{
    DesignObject *first = place(ControlKind::Button, 10, 10);
    DesignObject *second = place(ControlKind::Button, 10, 40);
    const std::optional<InPlaceText> target = InPlaceTextOf(*form);
    ASSERT_TRUE(target && target->object == second);
    EXPECT_FALSE(InPlaceTextOf(*project.addForm(QStringLiteral("Other"))));
    form->selectControl(first, true, false);
    form->selectControl(second, true, true);
    EXPECT_FALSE(InPlaceTextOf(*form));
    sheet.showObject(form->screen());
    EXPECT_FALSE(InPlaceTextOf(*form));
    form->undoStack().undo();
    const QByteArray withFirst = formBytes(*form);
    ApplyInPlaceText(*form, *target, QStringLiteral("Lost"));
    EXPECT_EQ(formBytes(*form), withFirst);
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, InPlace, ::testing::Values(kLibraryCControls, kLibraryPToolBox));

} // namespace
