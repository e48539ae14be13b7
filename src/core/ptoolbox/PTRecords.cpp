#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/FormFileRecord.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"
#include "core/ptoolbox/ptoolbox.h"

#include <algorithm>
#include <array>

namespace zf {

namespace {

using Writer = FormFileRecordWriter;

// The kinds a PToolBox form file holds, compared case-sensitively.
constexpr std::array kRecordKinds = {
    ControlKind::Button, ControlKind::Push,   ControlKind::Select,     ControlKind::CheckBox,
    ControlKind::Label,  ControlKind::List,   ControlKind::PopTrigger, ControlKind::Field,
    ControlKind::Dialog, ControlKind::Gsi,    ControlKind::Bitmap,     ControlKind::Radio,
};

Writer &geometry(Writer &w, const DesignObject &o)
{
    return w.number(u"Height", o.height())
        .number(u"Width", o.width())
        .number(u"Left", o.left())
        .number(u"Top", o.top());
}

void readBox(const FormFileRecord &r, DesignObject &o, int top, int left, int height, int width)
{
    o.setTop(r.number(u"Top", top));
    o.setLeft(r.number(u"Left", left));
    o.setHeight(r.number(u"Height", height));
    o.setWidth(r.number(u"Width", width));
}

std::unique_ptr<DesignObject> loadButton(const FormFileRecord &r)
{
    auto o = makeNamed<TPTButton>(r, QStringLiteral("Button"));
    o->setText(r.text(u"Text", QStringLiteral("Button")));
    readBox(r, *o, 18, 5, 17, 46);
    o->setFrame(r.number(u"Frame", 0));
    readFont(r, *o);
    o->setShowForm(r.text(u"ShowForm", QStringLiteral("(None)")));
    o->setButtonType(r.number(u"Type", 0));
    o->setColorFill(r.color(u"ColorFill", kPalmWhite));
    o->setColorText(r.color(u"ColorText", kPalmBlack));
    return o;
}

std::unique_ptr<DesignObject> loadPush(const FormFileRecord &r)
{
    auto o = makeNamed<TCCSwitch>(r, QStringLiteral("Push"));
    o->setContent(r.text(u"Text", QStringLiteral("Push")));
    readBox(r, *o, 10, 10, 14, 34);
    o->setTag(r.number(u"GroupNumber", 0));
    readFont(r, *o);
    o->setState(r.number(u"State", 0));
    return o;
}

std::unique_ptr<DesignObject> loadSelect(const FormFileRecord &r)
{
    auto o = makeNamed<TCCButton>(r, QStringLiteral("Select"));
    o->setContent(r.text(u"Text", QStringLiteral("Select")));
    readBox(r, *o, 18, 10, 14, 34);
    const int align = r.number(u"Align", 0);
    o->setAlignment(align == int(TextAlignment::Right)    ? TextAlignment::Right
                    : align == int(TextAlignment::Center) ? TextAlignment::Center
                                                          : TextAlignment::Left);
    readFont(r, *o);
    // Whatever the file holds: the tag is what makes the button a select box.
    o->setTag(TCCButton::kSelectTag);
    o->setColorFill(r.color(u"ColorFill", kPalmWhite));
    o->setColorText(r.color(u"ColorText", kPalmBlack));
    o->setDotPicker(r.number(u"DOTPicker", 0));
    o->setDotFormat(r.number(u"DOTFormat", 0));
    o->setDotTitle(r.text(u"DOTTitle"));
    o->setDotColors(r.text(u"DOTColors", TCCButton::kDefaultDotColors));
    return o;
}

std::unique_ptr<DesignObject> loadCheckBox(const FormFileRecord &r)
{
    auto o = makeNamed<TPTCheckbox>(r, QStringLiteral("CheckBox"));
    o->setContent(r.text(u"Text", QStringLiteral("CheckBox")));
    readBox(r, *o, 10, 10, 15, 34);
    readFont(r, *o);
    o->setState(r.number(u"State", 0));
    o->setGroupNumber(r.number(u"GroupNumber", 0));
    return o;
}

std::unique_ptr<DesignObject> loadLabel(const FormFileRecord &r)
{
    auto o = makeNamed<TPTLabel>(r, QStringLiteral("Label"));
    o->setContent(r.text(u"Text", QStringLiteral("Label")));
    o->setTop(r.number(u"Top", 18));
    o->setLeft(r.number(u"Left", 10));
    readFont(r, *o);
    o->setColorText(r.color(u"ColorText", kPalmBlack));
    return o;
}

std::unique_ptr<DesignObject> loadList(const FormFileRecord &r)
{
    auto o = makeNamed<TPTList>(r, QStringLiteral("List"));
    o->setTop(r.number(u"Top", 10));
    o->setLeft(r.number(u"Left", 10));
    o->setWidth(r.number(u"Width", 34));
    readFont(r, *o);
    o->setMaxItems(r.number(u"MaxItems", 2));
    o->setSelectedItem(r.number(u"SelectedItem", 0));
    o->setStyle(r.number(u"Style", 0));
    // Read after the style, the trigger decides it again.
    o->setTrigger(r.text(u"Trigger", TPTList::kNoTrigger));
    o->setItems(r.list(o->items()));
    return o;
}

std::unique_ptr<DesignObject> loadPopTrigger(const FormFileRecord &r)
{
    auto o = makeNamed<TPTPopTrigger>(r, QStringLiteral("PopTrigger"));
    o->setText(r.text(u"Text", QStringLiteral("PopTr")));
    readBox(r, *o, 18, 10, 15, 34);
    readFont(r, *o);
    return o;
}

std::unique_ptr<DesignObject> loadField(const FormFileRecord &r)
{
    auto o = makeNamed<TPTEdit>(r, QStringLiteral("Field"));
    o->setText(r.text(u"Text", QStringLiteral("Field")));
    readBox(r, *o, 18, 10, 15, 34);
    readFont(r, *o);
    o->setSingleLine(r.number(u"SingleLine", 0));
    o->setJustification(r.number(u"Justification", 0));
    o->setNumbersOnly(r.number(u"NumbersOnly", 0));
    o->setEditable(r.number(u"Editable", 0));
    o->setUnderline(r.number(u"Underline", 0));
    o->setMaxChars(r.number(u"MaxChars", 20));
    o->setColorFill(r.color(u"ColorFill", kPalmWhite));
    o->setColorText(r.color(u"ColorText", kPalmBlack));
    o->setColorCaret(r.color(u"ColorCaret", kPalmBlack));
    o->setColorLines(r.color(u"ColorLines", kPalmBlack));
    o->setColorHighlightBack(r.color(u"ColorHighlightBack", kPalmBlack));
    o->setColorHighlightFore(r.color(u"ColorHighlightFore", kPalmWhite));
    return o;
}

std::unique_ptr<DesignObject> loadGsi(const FormFileRecord &r)
{
    auto o = makeNamed<TPTGsi>(r, QStringLiteral("GSI"));
    o->setTop(r.number(u"Top", 150));
    o->setLeft(r.number(u"Left", 150));
    return o;
}

std::unique_ptr<DesignObject> loadBitmap(const FormFileRecord &r)
{
    auto o = makeNamed<TCCBitmap>(r, QStringLiteral("Bitmap"));
    readBox(r, *o, 18, 10, 20, 20);
    o->setStringBits(r.text(u"StringBits"));
    o->setColorFore(r.color(u"ColorFore", kPalmBlack));
    return o;
}

std::unique_ptr<DesignObject> loadRadio(const FormFileRecord &r)
{
    auto o = makeNamed<TCCRadio>(r, QStringLiteral("Radio"));
    o->setOrientation(r.number(u"Orientation", 0));
    o->setTop(r.number(u"Top", 10));
    o->setLeft(r.number(u"Left", 10));
    o->setWidth(r.number(u"Width", 34));
    o->setHeight(r.number(u"Height", 15));
    o->setTag(r.number(u"GroupNumber", 1));
    readFont(r, *o);
    o->setSelectedItem(r.number(u"SelectedItem", 0));
    o->setItems(r.list(o->items()));
    return o;
}

std::unique_ptr<DesignObject> loadDialog(const FormFileRecord &r)
{
    auto o = makeNamed<TPTDialog>(r, QStringLiteral("Dialog"));
    o->setTitle(r.text(u"Title", QStringLiteral("Dialog")));
    o->setTop(r.number(u"Top", 60));
    o->setLeft(r.number(u"Left", 5));
    o->setHeight(r.number(u"Height", 80));
    o->setWidth(r.number(u"Width", 152));
    o->setColorDialogFill(r.color(u"DialogColorFill", kPalmWhite));
    o->setColorDialogFrame(r.color(u"DialogColorFrame", kPalmBlack));
    o->setColorFrame(r.color(u"ObjFrameColor", kPalmBlack));
    o->setColorFill(r.color(u"ObjFillColor", kPalmWhite));
    o->setColorText(r.color(u"ObjForeTextColor", kPalmBlack));
    o->setColorSelectedFill(r.color(u"ObjSelectedFillColor", kPalmBlack));
    o->setColorSelectedFore(r.color(u"ObjSelectedForeColor", kPalmWhite));
    o->setTag(r.number(u"Test", 0));
    return o;
}

std::unique_ptr<DesignObject> loadKind(ControlKind kind, const FormFileRecord &r)
{
    switch (kind) {
    case ControlKind::Button: return loadButton(r);
    case ControlKind::Push: return loadPush(r);
    case ControlKind::Select: return loadSelect(r);
    case ControlKind::CheckBox: return loadCheckBox(r);
    case ControlKind::Label: return loadLabel(r);
    case ControlKind::List: return loadList(r);
    case ControlKind::PopTrigger: return loadPopTrigger(r);
    case ControlKind::Field: return loadField(r);
    case ControlKind::Gsi: return loadGsi(r);
    case ControlKind::Bitmap: return loadBitmap(r);
    case ControlKind::Radio: return loadRadio(r);
    case ControlKind::Dialog: return loadDialog(r);
    default: return nullptr;
    }
}

} // namespace

void PTLibrary::saveControlRecord(IniDocument &doc, const DesignObject &object) const
{
    switch (object.classId()) {
    case ClassId::TPTButton: {
        const auto &o = static_cast<const TPTButton &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Button);
        w.text(u"Text", o.text());
        geometry(w, o).number(u"Frame", o.frame()).font(u"Font", o.font());
        w.number(u"Type", o.buttonType()).text(u"ShowForm", o.showForm()).parent(o);
        w.color(u"ColorFill", o.colorFill()).color(u"ColorText", o.colorText());
        break;
    }
    case ClassId::TCCSwitch: {
        const auto &o = static_cast<const TCCSwitch &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Push);
        w.text(u"Text", o.content());
        geometry(w, o).font(u"Font", o.font()).number(u"State", o.state());
        w.number(u"GroupNumber", o.tag()).parent(o);
        break;
    }
    case ClassId::TCCButton: {
        const auto &o = static_cast<const TCCButton &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Select);
        w.text(u"Text", o.content());
        geometry(w, o).font(u"Font", o.font()).number(u"Align", int(o.alignment())).parent(o);
        w.color(u"ColorFill", o.colorFill()).color(u"ColorText", o.colorText());
        w.number(u"DOTPicker", o.dotPicker()).number(u"DOTFormat", o.dotFormat());
        w.text(u"DOTTitle", o.dotTitle()).text(u"DOTColors", o.dotColors());
        break;
    }
    case ClassId::TPTCheckbox: {
        const auto &o = static_cast<const TPTCheckbox &>(object);
        Writer w = beginRecord(doc, o, ControlKind::CheckBox);
        w.text(u"Text", o.content());
        geometry(w, o).font(u"Font", o.font()).number(u"State", o.state());
        w.number(u"GroupNumber", o.groupNumber()).color(u"ColorText", o.colorText()).parent(o);
        break;
    }
    case ClassId::TPTLabel: {
        const auto &o = static_cast<const TPTLabel &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Label);
        w.text(u"Text", o.content()).number(u"Left", o.left()).number(u"Top", o.top());
        w.font(u"Font", o.font()).color(u"ColorText", o.colorText()).parent(o);
        break;
    }
    case ClassId::TPTList: {
        const auto &o = static_cast<const TPTList &>(object);
        Writer(doc, o.name()).list(o.items());
        Writer w = beginRecord(doc, o, ControlKind::List);
        w.number(u"Width", o.width()).number(u"Left", o.left()).number(u"Top", o.top());
        w.number(u"MaxItems", o.maxItems()).number(u"SelectedItem", o.selectedItem());
        w.number(u"Style", o.style()).text(u"Trigger", o.trigger()).font(u"Font", o.font());
        w.parent(o);
        break;
    }
    case ClassId::TPTPopTrigger: {
        const auto &o = static_cast<const TPTPopTrigger &>(object);
        Writer w = beginRecord(doc, o, ControlKind::PopTrigger);
        w.text(u"Text", o.text());
        geometry(w, o).font(u"Font", o.font()).parent(o);
        break;
    }
    case ClassId::TPTEdit: {
        const auto &o = static_cast<const TPTEdit &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Field);
        w.text(u"Text", o.text());
        geometry(w, o).font(u"Font", o.font()).number(u"SingleLine", o.singleLine());
        w.number(u"Justification", o.justification()).number(u"Underline", o.underline());
        w.number(u"NumbersOnly", o.numbersOnly()).number(u"Editable", o.editable());
        w.number(u"MaxChars", o.maxChars()).parent(o);
        w.color(u"ColorFill", o.colorFill()).color(u"ColorText", o.colorText());
        w.color(u"ColorCaret", o.colorCaret()).color(u"ColorLines", o.colorLines());
        w.color(u"ColorHighlightBack", o.colorHighlightBack());
        w.color(u"ColorHighlightFore", o.colorHighlightFore());
        break;
    }
    case ClassId::TPTDialog: {
        const auto &o = static_cast<const TPTDialog &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Dialog);
        w.text(u"Title", o.title());
        geometry(w, o).number(u"Test", o.tag());
        w.color(u"DialogColorFill", o.colorDialogFill());
        w.color(u"DialogColorFrame", o.colorDialogFrame());
        w.color(u"ObjFrameColor", o.colorFrame()).color(u"ObjFillColor", o.colorFill());
        w.color(u"ObjForeTextColor", o.colorText());
        w.color(u"ObjSelectedFillColor", o.colorSelectedFill());
        w.color(u"ObjSelectedForeColor", o.colorSelectedFore());
        for (const DesignObject *child : o.children())
            saveControlRecord(doc, *child);
        break;
    }
    case ClassId::TPTGsi: {
        const auto &o = static_cast<const TPTGsi &>(object);
        beginRecord(doc, o, ControlKind::Gsi).number(u"Left", o.left()).number(u"Top", o.top()).parent(o);
        break;
    }
    case ClassId::TCCBitmap: {
        const auto &o = static_cast<const TCCBitmap &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Bitmap);
        w.text(u"StringBits", o.stringBits());
        geometry(w, o).parent(o).color(u"ColorFore", o.colorFore());
        break;
    }
    case ClassId::TCCRadio: {
        const auto &o = static_cast<const TCCRadio &>(object);
        Writer(doc, o.name()).list(o.items());
        Writer w = beginRecord(doc, o, ControlKind::Radio);
        w.number(u"Width", o.width()).number(u"Left", o.left()).number(u"Top", o.top());
        w.number(u"Height", o.height()).number(u"GroupNumber", o.tag());
        w.number(u"SelectedItem", o.selectedItem()).number(u"Orientation", o.orientation());
        w.font(u"Font", o.font()).parent(o);
        break;
    }
    default:
        break;
    }
}

std::unique_ptr<DesignObject> PTLibrary::loadControlRecord(const FormFileRecord &r,
                                                           const DesignForm &,
                                                           DesignContainer *container) const
{
    const std::optional<ControlKind> kind = kindFromWord(r.text(u"Control"));
    if (!kind || std::find(kRecordKinds.begin(), kRecordKinds.end(), *kind) == kRecordKinds.end())
        return nullptr;
    std::unique_ptr<DesignObject> object = loadKind(*kind, r);
    // Controls draw with the colour set of the container they were loaded
    // into; classes without one (dialogs, fields) ignore it.
    object->setPalmForm(container);
    return object;
}

void PTLibrary::saveFormColors(IniDocument &doc, const DesignForm &form) const
{
    const TCCForm &screen = *form.screen();
    Writer(doc, QStringLiteral("FORM"))
        .color(u"FormColorFill", screen.colorFormFill())
        .color(u"FormColorFrame", screen.colorFormFrame())
        .color(u"ColorSelectedFill", screen.colorSelectedFill())
        .color(u"ColorSelectedFore", screen.colorSelectedFore())
        .color(u"ColorFrame", screen.colorFrame())
        .color(u"ColorFill", screen.colorFill())
        .color(u"ColorText", screen.colorText());
}

void PTLibrary::loadFormColors(const FormFileRecord &r, DesignForm &form) const
{
    TCCForm &screen = *form.screen();
    screen.setColorFormFill(r.color(u"FormColorFill", kPalmWhite));
    screen.setColorFormFrame(r.color(u"FormColorFrame", kPalmBlack));
    // Not the fresh screen's 0: files have always read this one as navy.
    screen.setColorSelectedFill(r.color(u"ColorSelectedFill", 0x800000));
    screen.setColorSelectedFore(r.color(u"ColorSelectedFore", kPalmWhite));
    screen.setColorFrame(r.color(u"ColorFrame", kPalmBlack));
    screen.setColorFill(r.color(u"ColorFill", kPalmWhite));
    screen.setColorText(r.color(u"ColorText", kPalmBlack));
}

} // namespace zf
