#include "core/designer/Clipboard.h"
#include "LayoutFixture.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

class Clipboard : public LayoutFixture
{
protected:
    explicit Clipboard(int library = kLibraryCControls) : LayoutFixture(library) {}

    QByteArray copy(DesignObject *object)
    {
        click(object);
        return CopyControl(project).value_or(QByteArray());
    }

    DesignObject *paste(const QByteArray &bytes)
    {
        PasteControl(project, bytes);
        return project.selectedObject();
    }

    int childCount() const { return form->screen()->children().size(); }
};

// The record itself travels whole (the copy-paste invariant checks every
// kind); here the name, the selection and the undo steps.
TEST_F(Clipboard, APasteTakesTheNextNumberSelectedAloneAndCutTakesTheControlAway)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    click(place(ControlKind::Label)); // Label2
    const int steps = undoSteps();
    const QByteArray cut = CutControl(project).value();
    EXPECT_EQ(project.selectedObject(), form->screen());
    DesignObject *pasted = paste(copy(button));
    EXPECT_EQ(pasted->name(), QStringLiteral("Button3"));
    EXPECT_TRUE(pasted->isSelected() && !button->isSelected() && form->lastSelected() == pasted);
    EXPECT_EQ(paste(cut)->name(), QStringLiteral("Label4"));
    EXPECT_EQ(undoSteps(), steps + 3);
    // Undoing the cut brings the control back under its own name.
    for (int i = 0; i < 3; ++i)
        form->undoStack().undo();
    EXPECT_EQ(controlListTexts().at(1), QStringLiteral("Label2: Label"));
}

struct PToolBoxClipboard : Clipboard
{
    PToolBoxClipboard() : Clipboard(kLibraryPToolBox) {}
};

TEST_F(PToolBoxClipboard, ADialogIsPastedEmptyOnTheScreenAndCuttingTheShownOneHidesIt)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    place(ControlKind::Button, 5, 5, dialog);
    auto *pasted = objectCast<TPTDialog>(paste(copy(dialog)));
    ASSERT_NE(pasted, nullptr);
    EXPECT_TRUE(pasted->parent() == form->screen() && pasted->children().isEmpty());
    EXPECT_EQ(form->currentDialog(), dialog);
    click(dialog);
    ASSERT_TRUE(CutControl(project));
    EXPECT_EQ(std::tuple(form->currentDialog(), childCount()), std::tuple(nullptr, 1));
}

TEST_F(Clipboard, ANameTheWindowHoldsRefusesTheCopyOrThePaste)
{
    click(place(ControlKind::Label)); // Label1
    const QByteArray cut = CutControl(project).value();
    DesignObject *button = place(ControlKind::Button);
    DesignObject *keeper = place(ControlKind::Label);
    keeper->setName(QStringLiteral("copiado"));
    click(button);
    EXPECT_FALSE(CopyControl(project).has_value());
    const QByteArray copied = copy(keeper); // the control that bears the name may be copied
    keeper->setName(QStringLiteral("Copiado"));
    button->setName(QStringLiteral("Label1"));
    const int steps = undoSteps();
    PasteControl(project, cut);
    PasteControl(project, copied);
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("A component named Label1 already exists"));
    EXPECT_EQ(std::tuple(childCount(), project.selectedObject(), undoSteps()),
              std::tuple(2, keeper, steps));
}

TEST_F(Clipboard, NothingIsCopiedFromTheFormOrItsMenusNorPastedFromNothingOrIntoNoWindow)
{
    DesignObject *button = place(ControlKind::Button);
    place(ControlKind::Menu);
    const int steps = undoSteps();
    for (DesignObject *subject : std::initializer_list<DesignObject *>{
             nullptr, form->screen(), menuBarOf(*form), menusOf(*form).front()}) {
        project.setSelectedObject(subject);
        EXPECT_FALSE(CopyControl(project).has_value() || CutControl(project).has_value());
    }
    const QByteArray bytes = copy(button);
    EXPECT_EQ(paste(QByteArray()), nullptr);
    project.setCurrentDesignWindow(nullptr);
    project.setSelectedObject(button);
    EXPECT_EQ(paste(bytes), button);
    EXPECT_EQ(std::tuple(undoSteps(), childCount(), ui.messages.size()), std::tuple(steps, 1, 0u));
}

TEST_F(Clipboard, DamagedOrForeignRecordsAreRefusedWithAMessage)
{
    DesignObject *button = place(ControlKind::Button);
    const QByteArray good = copy(button);
    const QByteArray head = "[Zentiform Control]\r\nClass=";
    const QByteArray records[] = {
        QByteArray("\x00\x01\x02\xff\xfe binary", 12),
        head + "TCCForm\r\nLib=1\r\nName=panScreen\r\n[panScreen]\r\nControl=Button\r\n",
        head + "TCCButton\r\nLib=7\r\nName=B\r\n[B]\r\nControl=Button\r\n",
        head + "TCCButton\r\nLib=1\r\nName=Missing\r\n",
        head + "TPTLabel\r\nLib=1\r\nName=X\r\n[X]\r\nControl=Label\r\n",
        head + "TCCButton\r\nLib=1\r\nName=Zentiform Control\r\nControl=Button\r\n",
        head + "Nonsense\r\nLib=1\r\nName=X\r\n[X]\r\nControl=Button\r\n",
        head + "TCCButton\r\nLib=1\r\nName=1bad\r\n[1bad]\r\nControl=Button\r\n",
    };
    for (const QByteArray &record : records) {
        ui.messages.clear();
        EXPECT_EQ(paste(record), button);
        EXPECT_EQ(ui.messages.size(), 1u) << record.constData();
    }
    EXPECT_EQ(childCount(), 1);
    // A record cut short anywhere is pasted or refused, never more.
    for (qsizetype length = 1; length < good.size(); length += 5) {
        ui.messages.clear();
        const int before = childCount();
        PasteControl(project, good.left(length));
        EXPECT_EQ(int(ui.messages.size()) + childCount() - before, 1) << length;
    }
}

// The sheet keeps what it showed, and the note says why; a kind the library
// has is pasted under the library's own word.
TEST_F(Clipboard, AClassTheLibraryDoesNotPasteIsLeftOutWithANoteAndKindsTakeItsWords)
{
    DesignForm *cc = form;
    project.setLibrary(kLibraryPToolBox);
    form = project.addForm(QStringLiteral("Form2"));
    DesignObject *label = place(ControlKind::Label), *select = place(ControlKind::Select);
    project.setLibrary(kLibraryCControls);
    project.setCurrentDesignWindow(form = cc);
    click(place(ControlKind::Button));
    const int steps = undoSteps();
    const QString note =
        QStringLiteral("A PToolBox Label cannot be pasted into a CControls form; ");
    EXPECT_EQ(PasteControl(project, encodeControls({label})), note + "nothing was pasted");
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_EQ(PasteControl(project, encodeControls({label, select})), note + "it was left out");
    EXPECT_EQ(controlListTexts().at(1), QStringLiteral("Button4: Button"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Clipboard, SeveralControlsTravelTogetherKeepingTheirPlaces)
{
    DesignObject *label = placeAt(ControlKind::Label, {10, 10, 40, 13});
    DesignObject *button = placeAt(ControlKind::Button, {30, 40, 36, 14});
    click(button);
    click(label, true);
    const QByteArray copied = CopyControl(project).value();
    DesignForm *source = form;
    form = project.addForm(QStringLiteral("Form2"));
    project.setCurrentDesignWindow(form);
    EXPECT_TRUE(PasteControl(project, copied).isEmpty());
    ASSERT_EQ(childCount(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(form->screen()->children().at(i)->isSelected() &&
                    form->screen()->children().at(i)->bounds() ==
                        source->screen()->children().at(i)->bounds());
    EXPECT_EQ(project.selectedObject(), form->screen()->children().at(0)); // the reference
    EXPECT_EQ(undoSteps(), 1);

    // A record of several whose second part is missing, or of more than a
    // form holds, is refused whole.
    project.setCurrentDesignWindow(form = source);
    QByteArray broken = copy(button).replace("Name=Copiado\r\n", "Name=Copiado\r\nCount=2\r\n");
    PasteControl(project, broken);
    QByteArray many = broken.replace("Count=2", "Count=1001");
    for (int i = 2; i <= 1001; ++i)
        many += "[Zentiform Control " + QByteArray::number(i) +
                "]\r\nClass=TCCButton\r\nLib=1\r\nName=Copiado\r\n";
    PasteControl(project, many);
    EXPECT_EQ(std::tuple(ui.messages.size(), childCount()), std::tuple(2u, 2));
}

TEST_F(Clipboard, DuplicateCopiesTheSelectionOneGridStepOnInItsOwnContainer)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *button = placeAt(ControlKind::Button, {8, 20, 36, 14}, dialog);
    DesignObject *label = placeAt(ControlKind::Label, {8, 40, 36, 13}, dialog);
    button->setName(QStringLiteral("Copiado")); // the clipboard's rules stay out of it
    click(label);
    click(button, true);
    const int steps = undoSteps();
    EXPECT_TRUE(DuplicateSelection(project).isEmpty());
    ASSERT_EQ(dialog->children().size(), 4);
    EXPECT_EQ(dialog->children().at(3)->bounds(), label->bounds().translated(4, 4));
    EXPECT_EQ(std::tuple(button->isSelected(), undoSteps(), ui.messages.size()),
              std::tuple(false, steps + 1, 0u));
}

} // namespace
