// One form of every kind per library, drawn whole and compared with the
// picture checked by eye. A difference writes the actual picture and a map
// of the differing pixels to render-failures/ beside the test program.
#include "designer/PaintTestSupport.h"
#include "model/ModelFixture.h"

#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

#include <QCoreApplication>
#include <QDir>

namespace zf::test {
namespace {

// A 16 x 16 face: four digits a row.
const QString kFaceBits = QStringLiteral("07E0181820044002"
                                         "8001866186618001"
                                         "8001900988118421"
                                         "43C2200418180700");

void expectGolden(const QImage &actual, const QString &name)
{
    const QString goldenPath =
        QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/render/") + name + QStringLiteral(".png");
    const QImage golden = QImage(goldenPath).convertToFormat(QImage::Format_RGB32);
    if (golden == actual)
        return;
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../render-failures"));
    dir.mkpath(QStringLiteral("."));
    const QString actualPath = dir.filePath(name + QStringLiteral("-actual.png"));
    actual.save(actualPath);
    QString note = golden.isNull() ? QStringLiteral("no picture at ") + goldenPath
                                   : QStringLiteral("the sizes differ");
    if (golden.size() == actual.size()) {
        // Matching pixels faded, differing ones red.
        QImage diff(actual.size(), QImage::Format_RGB32);
        int differing = 0;
        for (int y = 0; y < actual.height(); ++y) {
            for (int x = 0; x < actual.width(); ++x) {
                const bool same = actual.pixel(x, y) == golden.pixel(x, y);
                const int gray = 192 + qGray(actual.pixel(x, y)) / 4;
                differing += same ? 0 : 1;
                diff.setPixel(x, y, same ? qRgb(gray, gray, gray) : qRgb(255, 0, 0));
            }
        }
        diff.save(dir.filePath(name + QStringLiteral("-diff.png")));
        note = QStringLiteral("%1 pixels differ; map in %2")
                   .arg(differing)
                   .arg(dir.filePath(name + QStringLiteral("-diff.png")));
    }
    ADD_FAILURE() << name.toStdString() << ": " << note.toStdString() << "; actual picture in "
                  << actualPath.toStdString();
}

class GoldenCControlsForm : public ModelFixture
{
};

TEST_F(GoldenCControlsForm, EveryKindLooksAsChecked)
{
    form->screen()->setGridVisible(1);
    form->screen()->setGridSpace(6);

    // A closed menu and an open one of one item, above the controls.
    auto *file = place<TCCMenu>(ControlKind::Menu);
    file->setTopic(QStringLiteral("File"));
    file->setTopicWidth(22);
    file->setItems({QStringLiteral("New"), QStringLiteral("Open")});
    auto *edit = place<TCCMenu>(ControlKind::Menu);
    edit->setTopic(QStringLiteral("Edit"));
    edit->setUserLeft(form->screen()->left() + 28);
    edit->setTopicWidth(24);
    edit->setUserWidth(40);
    edit->setItems({QStringLiteral("Undo")});

    auto *button = place<TCCButton>(ControlKind::Button, 5, 29);
    button->setContent(QStringLiteral("OK"));
    auto *push = place<TCCSwitch>(ControlKind::Switch, 48, 28);
    push->setContent(QStringLiteral("On"));
    push->setState(1);
    auto *check = place<TCCCheckbox>(ControlKind::CheckBox, 92, 28);
    check->setContent(QStringLiteral("Check"));
    check->setState(1);

    auto *label = place<TCCLabel>(ControlKind::Label, 4, 44);
    label->setContent(QStringLiteral("Label"));
    label->setStyle(2);
    label->setLine(1);
    place<TCCEdit>(ControlKind::Edit, 40, 44)->setContent(QStringLiteral("Edit"));
    auto *line = place<TCCEdit>(ControlKind::EditLine, 76, 44);
    line->setContent(QStringLiteral("Line"));
    line->setAlignment(TextAlignment::Right);
    place<TCCRadio>(ControlKind::Radio, 114, 44)->setSelectedItem(1);

    place<TCCListBox>(ControlKind::ListBox, 4, 60)->setSelectedItem(0);
    place<TCCDropDown>(ControlKind::DropDown, 42, 60);
    auto *open = place<TCCDropDown>(ControlKind::DropDown, 84, 60);
    open->setSelectedItem(1);
    open->setTestItems(1);
    place<TCCPopUp>(ControlKind::PopUp, 124, 60)->setSelectedItem(2);

    auto *table = place<TCCTable>(ControlKind::Table, 4, 90);
    table->setItems({QStringLiteral("1~Ann~9"), QStringLiteral("2~Bob~10")});
    table->setColWidths({QStringLiteral("12"), QStringLiteral("40"), QStringLiteral("25")});
    table->setColAlign({QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")});
    auto *image = place<TCCBitmap>(ControlKind::Image, 84, 90);
    image->setBounds(84, 90, 16, 16);
    image->setStringBits(kFaceBits);

    TPTDialog *dialog = form->newDialog(QStringLiteral("Dialog1"));
    dialog->setBounds(84, 110, 74, 48);
    dialog->setTitle(QStringLiteral("Dlg"));
    place<TCCButton>(ControlKind::Button, 14, 22, dialog)->setContent(QStringLiteral("Go"));

    form->deselectAll();
    form->selectControl(button, true, false);
    expectGolden(renderForm(*form), QStringLiteral("ccontrols"));
}

class GoldenPToolBoxForm : public PToolBoxFixture
{
};

TEST_F(GoldenPToolBoxForm, EveryKindLooksAsChecked)
{
    form->screen()->setTitle(QStringLiteral("Colours"));

    place<TPTButton>(ControlKind::Button, 4, 18)->setText(QStringLiteral("OK"));
    auto *bold = place<TPTButton>(ControlKind::Button, 54, 18);
    bold->setText(QStringLiteral("Bold"));
    bold->setFrame(TPTButton::BoldFrame);
    auto *square = place<TPTButton>(ControlKind::Button, 104, 18);
    square->setText(QStringLiteral("Square"));
    square->setFrame(TPTButton::SquareFrame);

    auto *none = place<TPTButton>(ControlKind::Button, 4, 38);
    none->setText(QStringLiteral("None"));
    none->setFrame(TPTButton::NoFrame);
    none->setColorFill(kPalmGray);
    place<TCCButton>(ControlKind::Select, 54, 38)->setContent(QStringLiteral("Date"));
    auto *push = place<TCCSwitch>(ControlKind::Push, 96, 38);
    push->setContent(QStringLiteral("Push"));
    push->setState(1);

    place<TPTLabel>(ControlKind::Label, 4, 58)->setContent(QStringLiteral("Label"));
    auto *check = place<TPTCheckbox>(ControlKind::CheckBox, 34, 56);
    check->setContent(QStringLiteral("Check"));
    check->setState(1);
    place<TPTPopTrigger>(ControlKind::PopTrigger, 96, 56);

    place<TPTList>(ControlKind::List, 4, 74)->setSelectedItem(0);
    auto *popupList = place<TPTList>(ControlKind::List, 42, 74);
    popupList->setStyle(TPTList::PopupList);
    popupList->setSelectedItem(1);
    auto *field = place<TPTEdit>(ControlKind::Field, 80, 74);
    field->setBounds(80, 74, 44, 26);
    field->setText(QStringLiteral("Some text to wrap"));
    auto *gsi = place<TPTGsi>(ControlKind::Gsi, 132, 74);

    auto *bitmap = place<TCCBitmap>(ControlKind::Bitmap, 4, 108);
    bitmap->setBounds(4, 108, 16, 16);
    bitmap->setStringBits(kFaceBits);
    place<TCCRadio>(ControlKind::Radio, 24, 108)->setSelectedItem(0);

    TPTDialog *dialog = form->newDialog(QStringLiteral("Dialog1"));
    dialog->setBounds(70, 104, 88, 54);
    dialog->setTitle(QStringLiteral("Settings"));
    dialog->setColorDialogFill(kPalmGray);
    dialog->setColorFill(0xC0C0C0);
    auto *repeat = place<TPTButton>(ControlKind::Button, 6, 18, dialog);
    repeat->setText(QStringLiteral("More"));
    repeat->setButtonType(1);
    place<TPTCheckbox>(ControlKind::CheckBox, 4, 36, dialog)->setContent(QStringLiteral("Keep"));

    form->deselectAll();
    form->selectControl(field, true, false);
    form->selectControl(gsi, true, true);
    expectGolden(renderForm(*form), QStringLiteral("ptoolbox"));
}

} // namespace
} // namespace zf::test
