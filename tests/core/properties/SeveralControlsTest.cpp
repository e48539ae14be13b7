// The sheet with several controls selected, and its filter: rules over every
// pair of kinds of both libraries rather than a list of expected rows.
#include "SheetFixture.h"
#include "files/FormFileSupport.h"
#include "core/model/KindSpec.h"
#include "core/properties/CellKinds.h"

#include <map>

using namespace zf;
using namespace zf::test;

namespace {

class SeveralControls : public SheetFixture, public ::testing::WithParamInterface<int>
{
protected:
    SeveralControls() : SheetFixture(GetParam()) {}

    // One control of every kind the toolbox places on the screen.
    std::vector<DesignObject *> oneOfEachKind()
    {
        std::vector<DesignObject *> placed;
        for (const KindSpec &spec : project.librarySupport().kinds()) {
            project.setPressedTool(spec.kind);
            const int x = 4 * int(placed.size()) % 120;
            if (spec.onToolbox &&
                project.librarySupport().createControlAt(*form, x, 20, form->screen()) &&
                project.selectedObject()->parent() == form->screen())
                placed.push_back(project.selectedObject());
        }
        return placed;
    }

    void selectTogether(DesignObject *primary, DesignObject *other)
    {
        form->deselectAll();
        form->selectControl(other, true, false);
        form->selectControl(primary, true, true);
        sheet.showObject(primary);
    }

    QStringList rowTexts() const
    {
        QStringList texts;
        for (const PropertyRow &row : sheet.rows())
            texts << row.name + u'=' + row.value;
        return texts;
    }

    QByteArray saved() const { return formBytes(*form); }
};

TEST_P(SeveralControls, ShowTheRowsTheyShareWithTheValueWhereTheyAgree)
{
    const std::vector<DesignObject *> placed = oneOfEachKind();
    ASSERT_GE(placed.size(), 8u);
    const LibrarySupport &library = project.librarySupport();
    for (DesignObject *a : placed) {
        for (DesignObject *b : placed) {
            if (a == b)
                continue;
            selectTogether(a, b);
            std::map<QString, QString> ownB;
            for (const PropertyRow &row : library.propertyRows(*b))
                ownB[row.name] = row.value;
            QStringList expected;
            for (const PropertyRow &row : library.propertyRows(*a)) {
                const CellKind kind = TipoCelda(row.name);
                if (row.name != QLatin1String("Name") && kind != CellKind::ItemList &&
                    kind != CellKind::Bitmap && kind != CellKind::ColorSet && ownB.count(row.name))
                    expected << row.name + u'=' + (ownB[row.name] == row.value ? row.value : "");
            }
            EXPECT_EQ(rowTexts(), expected) << a->name().toStdString() << " with "
                                            << b->name().toStdString();
        }
    }
}

TEST_P(SeveralControls, TakeAValueTogetherAsOneStepOrNotAtAll)
{
    const std::vector<DesignObject *> placed = oneOfEachKind();
    ASSERT_GE(placed.size(), 2u);
    DesignObject *a = placed[0];
    DesignObject *b = placed[placed.size() - 1];
    selectTogether(a, b);
    const QByteArray before = saved();
    const int steps = form->undoStack().count();

    type(QStringLiteral("Top"), QStringLiteral("77"));
    EXPECT_EQ(a->userTop(), 77);
    EXPECT_EQ(b->userTop(), 77);
    EXPECT_EQ(sheet.value(QStringLiteral("Top")), QStringLiteral("77"));
    EXPECT_EQ(form->undoStack().count(), steps + 1);
    form->undoStack().undo();
    EXPECT_EQ(saved(), before);

    // A refused value, pasted whole, changes neither and is reported once.
    sheet.beginEdit(QStringLiteral("Left"));
    sheet.editText(QStringLiteral("9x"));
    sheet.endEdit();
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("'9x' is not a valid integer value")}));
}

TEST_P(SeveralControls, TheFilterKeepsTheRowsWhoseNamesHoldTheTextInAnyCase)
{
    const std::vector<DesignObject *> placed = oneOfEachKind();
    for (DesignObject *object : placed) {
        sheet.showObject(object);
        const QStringList all = rowNames();
        for (const QString &text : {QStringLiteral("col"), QStringLiteral("T"), QStringLiteral("zz")}) {
            sheet.setFilter(text);
            QStringList expected;
            for (const QString &name : all)
                if (name.contains(text, Qt::CaseInsensitive))
                    expected << name;
            EXPECT_EQ(rowNames(), expected) << object->name().toStdString() << " / "
                                            << text.toStdString();
        }
        sheet.setFilter({});
        EXPECT_EQ(rowNames(), all);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, SeveralControls,
                         ::testing::Values(kLibraryCControls, kLibraryPToolBox));

} // namespace
