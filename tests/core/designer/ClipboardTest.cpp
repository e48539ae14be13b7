#include "core/designer/Clipboard.h"
#include "LayoutFixture.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/model/PTDialog.h"

using namespace zf;
using namespace zf::test;

namespace {

// The clipboard rules seen from a CControls project; other projects, or
// another running copy of the program, are made as needed.
class Clipboard : public LayoutFixture
{
protected:
    QByteArray copy(DesignObject *object)
    {
        click(object);
        const std::optional<QByteArray> bytes = CopyControl(project);
        EXPECT_TRUE(bytes.has_value());
        return bytes.value_or(QByteArray());
    }

    // Pastes and returns the pasted control (the new selected object).
    DesignObject *paste(const QByteArray &bytes, DesignProject &into)
    {
        PasteControl(into, bytes);
        return into.selectedObject();
    }
    DesignObject *paste(const QByteArray &bytes) { return paste(bytes, project); }

    int childCount() const { return form->screen()->children().size(); }
};

// A second project, as another running copy of the program would hold it.
struct OtherProject
{
    explicit OtherProject(int library)
    {
        project.setLibrary(library);
        form = project.addForm(QStringLiteral("Form1"));
        project.setCurrentDesignWindow(form);
    }

    QStringList listTexts() const
    {
        QStringList texts;
        for (const auto &line : form->controlList())
            texts << line.text;
        return texts;
    }

    ScriptedUserInterface ui;
    DesignProject project{ui};
    DesignForm *form = nullptr;
};

TEST_F(Clipboard, CopyThenPasteLandsOnTheCopiedControlUnderTheNextNumber)
{
    auto *button = place<TCCButton>(ControlKind::Button, 20, 30);
    button->setContent(QStringLiteral("Press"));
    button->setRadius(7);
    button->setFontName(QStringLiteral("PilotBold"));
    place(ControlKind::Label);
    place(ControlKind::CheckBox);
    place(ControlKind::Switch);
    ASSERT_EQ(project.controlCounter(), 4);

    const QByteArray bytes = copy(button);
    EXPECT_EQ(button->name(), QStringLiteral("Button1"));
    const int steps = undoSteps();
    auto *pasted = objectCast<TCCButton>(paste(bytes));

    ASSERT_NE(pasted, nullptr);
    EXPECT_NE(pasted, button);
    EXPECT_EQ(pasted->name(), QStringLiteral("Button5"));
    EXPECT_EQ(pasted->bounds(), button->bounds());
    EXPECT_EQ(pasted->content(), QStringLiteral("Press"));
    EXPECT_EQ(pasted->radius(), 7);
    EXPECT_EQ(pasted->font(), button->font());
    EXPECT_TRUE(controlListTexts().contains(QStringLiteral("Button5: Button")));
    // Selected alone, and remembered by the window.
    EXPECT_TRUE(pasted->isSelected());
    EXPECT_FALSE(button->isSelected());
    EXPECT_EQ(form->lastSelected(), pasted);

    EXPECT_EQ(undoSteps(), steps + 1);
    form->undoStack().undo();
    EXPECT_EQ(childCount(), 4);
}

TEST_F(Clipboard, CutTakesTheControlAwayAndEachPasteBringsANewOne)
{
    place(ControlKind::Button);
    DesignObject *label = place(ControlKind::Label); // Label2
    click(label);
    const int steps = undoSteps();

    const std::optional<QByteArray> bytes = CutControl(project);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_FALSE(controlListTexts().contains(QStringLiteral("Label2: Label")));
    EXPECT_EQ(childCount(), 1);
    EXPECT_EQ(project.selectedObject(), form->screen());
    EXPECT_EQ(form->lastSelected(), nullptr);
    EXPECT_EQ(undoSteps(), steps + 1);

    EXPECT_EQ(paste(*bytes)->name(), QStringLiteral("Label3"));
    EXPECT_EQ(paste(*bytes)->name(), QStringLiteral("Label4"));
    EXPECT_EQ(childCount(), 3);

    // Undoing the cut brings back the control under its own name.
    form->undoStack().undo();
    form->undoStack().undo();
    form->undoStack().undo();
    ASSERT_EQ(childCount(), 2);
    EXPECT_EQ(form->screen()->children().at(1)->name(), QStringLiteral("Label2"));
}

TEST_F(Clipboard, CuttingTheShownDialogTakesItsControlsAndLeavesNoCurrentDialog)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    place(ControlKind::Button, 5, 5, dialog);
    ASSERT_EQ(form->currentDialog(), dialog);
    click(dialog);

    const std::optional<QByteArray> bytes = CutControl(project);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(form->currentDialog(), nullptr);
    EXPECT_EQ(childCount(), 0);
    EXPECT_EQ(controlListTexts(), QStringList{QStringLiteral("Form1: Form")});
}

TEST_F(Clipboard, ASelectedDialogReceivesThePasteAndThePositionStaysRelative)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *button = place(ControlKind::Button, 20, 30);
    const QByteArray bytes = copy(button);

    click(dialog);
    DesignObject *inDialog = paste(bytes);
    EXPECT_EQ(inDialog->parent(), dialog);
    EXPECT_EQ(inDialog->bounds(), button->bounds());
    EXPECT_EQ(form->currentDialog(), dialog);

    project.setSelectedObject(form->screen());
    DesignObject *onScreen = paste(bytes);
    EXPECT_EQ(onScreen->parent(), form->screen());
    EXPECT_EQ(onScreen->bounds(), button->bounds());
}

TEST_F(Clipboard, ADialogIsPastedEmptyOntoTheScreenAndLeavesTheCurrentDialog)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    dialog->setTitle(QStringLiteral("Settings"));
    place(ControlKind::Button, 5, 5, dialog);
    place(ControlKind::Label, 5, 25, dialog);
    const QByteArray bytes = copy(dialog);
    EXPECT_FALSE(bytes.contains("Button2"));

    click(dialog);
    auto *pasted = objectCast<TPTDialog>(paste(bytes));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->parent(), form->screen());
    EXPECT_TRUE(pasted->children().isEmpty());
    EXPECT_EQ(pasted->title(), QStringLiteral("Settings"));
    EXPECT_EQ(pasted->bounds(), dialog->bounds());
    EXPECT_EQ(dialog->children().size(), 2);
    EXPECT_EQ(form->currentDialog(), dialog);
    EXPECT_EQ(pasted->name(), QStringLiteral("Dialog4"));
}

TEST_F(Clipboard, ACControlsButtonBecomesASelectInAPToolBoxProject)
{
    auto *button = place<TCCButton>(ControlKind::Button, 20, 30);
    button->setContent(QStringLiteral("Go"));
    const QByteArray bytes = copy(button);

    OtherProject other(kLibraryPToolBox);
    auto *select = objectCast<TCCButton>(paste(bytes, other.project));
    ASSERT_NE(select, nullptr);
    EXPECT_EQ(select->name(), QStringLiteral("Select1"));
    EXPECT_EQ(select->content(), QStringLiteral("Go"));
    EXPECT_EQ(select->palmForm(), other.form->screen());
    EXPECT_TRUE(other.listTexts().contains(QStringLiteral("Select1: Select")));
}

TEST_F(Clipboard, PastedNamesKeepTheLongWordWithShortNamesOn)
{
    project.setShortNames(true);
    DesignObject *button = place(ControlKind::Button);
    EXPECT_EQ(button->name(), QStringLiteral("Bt1"));
    const QByteArray bytes = copy(button);
    EXPECT_EQ(paste(bytes)->name(), QStringLiteral("Button2"));
}

TEST_F(Clipboard, ANameTheWindowHoldsRefusesThePaste)
{
    DesignObject *label = place(ControlKind::Label); // Label1
    click(label);
    const QByteArray cut = CutControl(project).value();
    DesignObject *button = place(ControlKind::Button);
    const QByteArray copied = copy(button);

    form = project.addForm(QStringLiteral("Form2"));
    project.setCurrentDesignWindow(form);
    place(ControlKind::Button)->setName(QStringLiteral("Label1"));
    DesignObject *keeper = place(ControlKind::Button);
    keeper->setName(QStringLiteral("Copiado"));
    project.setSelectedObject(keeper);
    const int steps = undoSteps();

    PasteControl(project, cut);
    PasteControl(project, copied);
    EXPECT_EQ(ui.texts(),
              QStringList({QStringLiteral("A component named Label1 already exists"),
                           QStringLiteral("A component named Copiado already exists")}));
    EXPECT_EQ(ui.messages.front().caption, QStringLiteral("Error"));
    EXPECT_EQ(childCount(), 2);
    EXPECT_EQ(project.selectedObject(), keeper);
    EXPECT_EQ(undoSteps(), steps);
}

TEST_F(Clipboard, CopyIsRefusedWhileTheWindowHoldsACopiado)
{
    DesignObject *button = place(ControlKind::Button);
    DesignObject *other = place(ControlKind::Label);
    other->setName(QStringLiteral("copiado"));
    click(button);
    EXPECT_FALSE(CopyControl(project).has_value());
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("A component named Copiado already exists")});
    EXPECT_EQ(button->name(), QStringLiteral("Button1"));

    // The control that bears the name may be copied itself.
    click(other);
    EXPECT_TRUE(CopyControl(project).has_value());
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Clipboard, TheFormMenusAndNothingAreNeitherCopiedNorCut)
{
    place(ControlKind::Menu);
    ASSERT_NE(menuBarOf(*form), nullptr);
    const int steps = undoSteps();
    for (DesignObject *subject :
         {static_cast<DesignObject *>(nullptr), static_cast<DesignObject *>(form->screen()),
          static_cast<DesignObject *>(menuBarOf(*form)),
          static_cast<DesignObject *>(menusOf(*form).front())}) {
        project.setSelectedObject(subject);
        EXPECT_FALSE(CopyControl(project).has_value());
        EXPECT_FALSE(CutControl(project).has_value());
    }
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_EQ(menusOf(*form).size(), 1u);
}

TEST_F(Clipboard, AnEmptyClipboardPastesNothingAndLeavesNothingSelected)
{
    DesignObject *button = place(ControlKind::Button);
    click(button);
    PasteControl(project, QByteArray());
    EXPECT_EQ(project.selectedObject(), nullptr);
    EXPECT_EQ(childCount(), 1);
    EXPECT_TRUE(ui.messages.empty());

    // No design window: nothing at all.
    project.setCurrentDesignWindow(nullptr);
    project.setSelectedObject(button);
    PasteControl(project, copy(button));
    EXPECT_EQ(project.selectedObject(), button);
    EXPECT_EQ(childCount(), 1);
}

TEST_F(Clipboard, DamagedOrForeignRecordsAreRefusedWithAMessage)
{
    DesignObject *button = place(ControlKind::Button);
    const QByteArray good = copy(button);
    const QByteArray records[] = {
        QByteArray("\x00\x01\x02\xff\xfe binary", 12),
        "[Zentiform "
        "Control]\r\nClass=TCCForm\r\nLib=1\r\nName=panScreen\r\n[panScreen]\r\nControl=Button\r\n",
        "[Zentiform Control]\r\nClass=TCCButton\r\nLib=7\r\nName=B\r\n[B]\r\nControl=Button\r\n",
        "[Zentiform Control]\r\nClass=TCCButton\r\nLib=1\r\nName=Missing\r\n",
        "[Zentiform Control]\r\nClass=TPTLabel\r\nLib=1\r\nName=X\r\n[X]\r\nControl=Label\r\n",
        "[Zentiform Control]\r\nClass=TCCButton\r\nLib=1\r\nName=Zentiform "
        "Control\r\nControl=Button\r\n",
        "[Zentiform Control]\r\nClass=Nonsense\r\nLib=1\r\nName=X\r\n[X]\r\nControl=Button\r\n",
        "[Zentiform "
        "Control]\r\nClass=TCCButton\r\nLib=1\r\nName=1bad\r\n[1bad]\r\nControl=Button\r\n",
    };
    click(button);
    for (const QByteArray &record : records) {
        ui.messages.clear();
        PasteControl(project, record);
        ASSERT_EQ(ui.messages.size(), 1u) << record.constData();
        EXPECT_EQ(ui.messages.front().caption, QStringLiteral("Error"));
        EXPECT_EQ(project.selectedObject(), button);
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

TEST_F(Clipboard, AClassTheLibraryDoesNotPasteIsNotPlaced)
{
    OtherProject pt(kLibraryPToolBox);
    pt.project.setSelectedObject(nullptr);
    pt.project.setPressedTool(ControlKind::Label);
    pt.project.librarySupport().createControlAt(*pt.form, 10, 10, pt.form->screen());
    const QByteArray label = CopyControl(pt.project).value();

    DesignObject *button = place(ControlKind::Button);
    click(button);
    const int steps = undoSteps();
    // The sheet keeps what it showed, and the note says why.
    EXPECT_EQ(PasteControl(project, label),
              QStringLiteral("A PToolBox Label cannot be pasted into a CControls form; nothing "
                             "was pasted"));
    EXPECT_EQ(project.selectedObject(), button);
    EXPECT_EQ(childCount(), 1);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_TRUE(ui.messages.empty());

    // Menus never come back from the clipboard either.
    place(ControlKind::Menu);
    const QByteArray menu = encodeControl(*menusOf(*form).front(), QStringLiteral("Copiado"));
    ASSERT_FALSE(menu.isEmpty());
    DesignObject *shown = project.selectedObject();
    EXPECT_EQ(PasteControl(project, menu),
              QStringLiteral("A CControls Menu cannot be pasted into a CControls form; nothing "
                             "was pasted"));
    EXPECT_EQ(menusOf(*form).size(), 1u);
    EXPECT_EQ(project.selectedObject(), shown);
    EXPECT_TRUE(PasteControl(project, copy(button)).isEmpty());
}

TEST_F(Clipboard, KindWordsFollowTheLibraryThatPastes)
{
    auto *editLine = place<TCCEdit>(ControlKind::EditLine);
    auto *image = place<TCCBitmap>(ControlKind::Image);
    image->setTag(0); // a plain picture is still pasted as an Image
    DesignObject *toggle = place(ControlKind::Switch);
    DesignObject *radio = place(ControlKind::Radio);
    DesignObject *edit = place(ControlKind::Edit);

    EXPECT_TRUE(paste(copy(editLine))->name().startsWith(QStringLiteral("EditLine")));
    EXPECT_TRUE(paste(copy(image))->name().startsWith(QStringLiteral("Image")));

    OtherProject pt(kLibraryPToolBox);
    EXPECT_EQ(paste(copy(toggle), pt.project)->name(), QStringLiteral("Push1"));
    EXPECT_EQ(paste(copy(image), pt.project)->name(), QStringLiteral("Bitmap2"));
    EXPECT_EQ(paste(copy(radio), pt.project)->name(), QStringLiteral("Radio3"));
    // PToolBox pastes no CControls Edit: the last pasted control stays selected.
    DesignObject *last = pt.project.selectedObject();
    EXPECT_EQ(paste(copy(edit), pt.project), last);
    EXPECT_EQ(pt.listTexts(),
              QStringList({QStringLiteral("Push1: Push"), QStringLiteral("Bitmap2: Bitmap"),
                           QStringLiteral("Radio3: Radio"), QStringLiteral("Form1: Form")}));
}

// Every kind of both libraries comes back from its record exactly as it was
// written.
void expectEveryKindRoundTrips(int library)
{
    OtherProject source(library);
    for (ControlKind kind : source.project.librarySupport().toolboxKinds()) {
        if (kind == ControlKind::Menu)
            continue;
        source.project.setPressedTool(kind);
        ASSERT_TRUE(source.project.librarySupport().createControlAt(*source.form, 12, 14,
                                                                    source.form->screen()));
        DesignObject *control = source.project.selectedObject();
        const QByteArray bytes = encodeControl(*control, QStringLiteral("Copiado"));
        const DecodedControl decoded = decodeControl(bytes, *source.form);
        ASSERT_NE(decoded.control, nullptr)
            << kindWord(kind).toStdString() << decoded.error.toStdString();
        EXPECT_EQ(decoded.control->classId(), control->classId());
        EXPECT_EQ(decoded.control->name(), QStringLiteral("Copiado"));
        EXPECT_EQ(decoded.control->bounds(), control->bounds());
        // encodeControl needs a form to tell the library; copy it into one.
        DesignObject *back =
            source.form->addObject(decoded.control->clone(), source.form->screen());
        EXPECT_EQ(encodeControl(*back, QStringLiteral("Copiado")), bytes)
            << kindWord(kind).toStdString();
        source.form->removeObject(back);
    }
}

TEST(ClipboardRecord, EveryCControlsKindRoundTrips)
{
    expectEveryKindRoundTrips(kLibraryCControls);
}

TEST(ClipboardRecord, EveryPToolBoxKindRoundTrips)
{
    expectEveryKindRoundTrips(kLibraryPToolBox);
}

TEST_F(Clipboard, SeveralControlsTravelTogetherKeepingTheirPlaces)
{
    DesignObject *label = placeAt(ControlKind::Label, 10, 10, 40, 13);
    DesignObject *button = placeAt(ControlKind::Button, 30, 40, 36, 14);
    DesignObject *box = placeAt(ControlKind::CheckBox, 70, 90, 50, 13);
    click(button);
    click(box, true);
    click(label, true);
    const QByteArray copied = CopyControl(project).value();
    DesignForm *source = form;
    form = project.addForm(QStringLiteral("Form2"));
    project.setCurrentDesignWindow(form);
    EXPECT_TRUE(PasteControl(project, copied).isEmpty());
    ASSERT_EQ(childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form->screen()->children().at(i)->bounds(),
                  source->screen()->children().at(i)->bounds());
        EXPECT_TRUE(form->screen()->children().at(i)->isSelected());
    }
    EXPECT_EQ(controlListTexts(), (QStringList{"Label4: Label", "Button5: Button",
                                               "CheckBox6: CheckBox", "Form2: Form"}));
    EXPECT_EQ(project.selectedObject(), form->screen()->children().at(0)); // the reference
    EXPECT_EQ(undoSteps(), 1);

    // Cut takes all three away in one step, and undo brings them back.
    form = source;
    project.setCurrentDesignWindow(form);
    project.setSelectedObject(button);
    const int steps = undoSteps();
    PasteControl(project, CutControl(project).value());
    EXPECT_EQ(childCount(), 3);
    EXPECT_EQ(undoSteps(), steps + 2);
    form->undoStack().undo();
    form->undoStack().undo();
    EXPECT_EQ(controlListTexts().first(), QStringLiteral("Label1: Label"));
}

TEST_F(Clipboard, DuplicateCopiesTheSelectionOneGridStepOnInItsOwnContainer)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *button = placeAt(ControlKind::Button, 8, 20, 36, 14, dialog);
    DesignObject *label = placeAt(ControlKind::Label, 8, 40, 36, 13, dialog);
    click(label);
    click(button, true);
    const int steps = undoSteps();
    EXPECT_TRUE(DuplicateSelection(project).isEmpty());
    ASSERT_EQ(dialog->children().size(), 4);
    EXPECT_EQ(dialog->children().at(2)->bounds(), button->bounds().translated(4, 4));
    EXPECT_EQ(dialog->children().at(3)->bounds(), label->bounds().translated(4, 4));
    EXPECT_FALSE(button->isSelected());
    EXPECT_EQ(undoSteps(), steps + 1);
    // The clipboard rules stay out of it: a Copiado in the window is no matter.
    button->setName(QStringLiteral("Copiado"));
    click(button);
    DuplicateSelection(project);
    EXPECT_EQ(dialog->children().size(), 5);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Clipboard, ARecordOfSeveralIsReadWholeOrNotAtAll)
{
    DesignObject *button = place(ControlKind::Button, 20, 30);
    QByteArray two = copy(button);
    two.replace("Name=Copiado\r\n", "Name=Copiado\r\nCount=2\r\n");
    PasteControl(project, two); // the second header is missing
    // Far more controls than a form holds, each header naming one record.
    QByteArray many = two.replace("Count=2", "Count=1001");
    for (int i = 2; i <= 1001; ++i)
        many += "[Zentiform Control " + QByteArray::number(i) +
                "]\r\nClass=TCCButton\r\nLib=1\r\nName=Copiado\r\n";
    PasteControl(project, many);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(childCount(), 1);

    // A part the library does not paste is left out, the rest pasted.
    OtherProject pt(kLibraryPToolBox);
    for (ControlKind kind : {ControlKind::Label, ControlKind::Select}) {
        pt.project.setPressedTool(kind);
        pt.project.librarySupport().createControlAt(*pt.form, 10, 10, pt.form->screen());
    }
    const ChildList &ptControls = pt.form->screen()->children();
    EXPECT_EQ(
        PasteControl(project, encodeControls({ptControls.at(0), ptControls.at(1)})),
        QStringLiteral("A PToolBox Label cannot be pasted into a CControls form; it was left out"));
    EXPECT_EQ(controlListTexts().at(1), QStringLiteral("Button2: Button"));

    // One control makes the record it always made: no count.
    click(button);
    const QByteArray single = encodeControls({button});
    EXPECT_FALSE(single.contains("Count"));
    EXPECT_EQ(CutControl(project).value(), single);
}

using PToolBoxClipboard = PToolBoxLayoutFixture;

TEST_F(PToolBoxClipboard, AControlPastedIntoADialogDrawsWithTheDialogsColours)
{
    auto *dialog = place<TPTDialog>(ControlKind::Dialog);
    DesignObject *button = place(ControlKind::Button, 20, 30);
    click(button);
    const QByteArray bytes = CopyControl(project).value();
    click(dialog);
    PasteControl(project, bytes);
    DesignObject *pasted = project.selectedObject();
    EXPECT_EQ(pasted->parent(), dialog);
    EXPECT_EQ(pasted->palmForm(), dialog);
    EXPECT_EQ(pasted->name(), QStringLiteral("Button3"));
}

} // namespace
