#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/ccontrols/ccontrols.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/FormFileRecord.h"
#include "core/model/PTDialog.h"

#include <algorithm>
#include <array>

namespace zf {

namespace {

using Writer = FormFileRecordWriter;

// The kinds a CControls form file holds, compared case-sensitively.
constexpr std::array kRecordKinds = {
    ControlKind::Button,   ControlKind::Label,   ControlKind::CheckBox, ControlKind::Switch,
    ControlKind::Edit,     ControlKind::ListBox, ControlKind::Radio,    ControlKind::Dialog,
    ControlKind::EditLine, ControlKind::PopUp,   ControlKind::DropDown, ControlKind::Image,
    ControlKind::MenuBar,  ControlKind::Menu,    ControlKind::Table,
};

const QString kItemsSuffix = QStringLiteral("Items");
const QString kColWidthsSuffix = QStringLiteral("ColWidths");
const QString kColAlignSuffix = QStringLiteral("ColAlign");

// The files number text placement 0 left, 1 centre, 2 right; any other
// number reads as left.
int alignmentNumber(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Center: return 1;
    case TextAlignment::Right: return 2;
    default: return 0;
    }
}

TextAlignment alignmentFromNumber(int number)
{
    switch (number) {
    case 1: return TextAlignment::Center;
    case 2: return TextAlignment::Right;
    default: return TextAlignment::Left;
    }
}

Writer &geometry(Writer &w, const DesignObject &o, bool withHeight)
{
    if (withHeight)
        w.number(u"Height", o.height());
    return w.number(u"Width", o.width()).number(u"Left", o.left()).number(u"Top", o.top());
}

void saveTextLine(Writer &w, const TCCTextLine &o, bool edit)
{
    w.text(u"Content", o.content()).number(u"Width", o.width()).number(u"Left", o.left());
    w.number(u"Top", o.top()).font(u"Font", o.font());
    if (edit)
        w.number(u"Style", o.style()).number(u"Line", o.line());
    else
        w.number(u"Line", o.line());
    w.number(u"Alignment", alignmentNumber(o.alignment()));
}

// The keys every record of a control starts with.
void readPosition(const FormFileRecord &r, DesignObject &o, int top, int left)
{
    o.setTop(r.number(u"Top", top));
    o.setLeft(r.number(u"Left", left));
}

std::unique_ptr<DesignObject> loadButton(const FormFileRecord &r)
{
    auto o = makeNamed<TCCButton>(r, QStringLiteral("Button"));
    o->setContent(r.text(u"Content", QStringLiteral("Button")));
    readPosition(r, *o, 10, 10);
    o->setHeight(r.number(u"Height", 14));
    o->setWidth(r.number(u"Width", 34));
    o->setRadius(r.number(u"Edge", 4));
    readFont(r, *o);
    o->setLine(r.number(u"Line", 1));
    o->setShowForm(r.text(u"ShowForm", QStringLiteral("(None)")));
    return o;
}

std::unique_ptr<DesignObject> loadLabel(const FormFileRecord &r)
{
    auto o = makeNamed<TCCLabel>(r, QStringLiteral("Label"));
    o->setContent(r.text(u"Content", QStringLiteral("Label")));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    readFont(r, *o);
    o->setLine(r.number(u"Line", 1));
    o->setAlignment(alignmentFromNumber(r.number(u"Alignment", 0)));
    o->setStyle(r.number(u"Style", 1));
    return o;
}

std::unique_ptr<DesignObject> loadCheckBox(const FormFileRecord &r)
{
    auto o = makeNamed<TCCCheckbox>(r, QStringLiteral("CheckBox"));
    o->setContent(r.text(u"Content", QStringLiteral("CheckBox")));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    readFont(r, *o);
    o->setState(r.number(u"State", 0));
    return o;
}

std::unique_ptr<DesignObject> loadSwitch(const FormFileRecord &r)
{
    auto o = makeNamed<TCCSwitch>(r, QStringLiteral("Switch"));
    o->setContent(r.text(u"Content", QStringLiteral("Switch")));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    o->setHeight(r.number(u"Height", 14));
    readFont(r, *o);
    o->setRadius(r.number(u"Edge", 0));
    o->setLine(r.number(u"Line", 1));
    o->setState(r.number(u"State", 0));
    return o;
}

std::unique_ptr<DesignObject> loadEdit(const FormFileRecord &r, bool editLine)
{
    auto o = makeNamed<TCCEdit>(r, editLine ? QStringLiteral("EditLine") : QStringLiteral("Edit"));
    o->setContent(r.text(u"Content", QStringLiteral("Edit")));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    readFont(r, *o);
    o->setLine(r.number(u"Line", 1));
    if (editLine) {
        o->setStyle(r.number(u"Style", 1));
        // "Type" is written for the generator's sake but never read back.
        o->setTag(1);
    } else {
        o->setAlignment(alignmentFromNumber(r.number(u"Alignment", 0)));
        o->setStyle(r.number(u"Style", 1));
        o->setTopic(r.text(u"Topic", QStringLiteral("Topic")));
    }
    return o;
}

std::unique_ptr<DesignObject> loadListBox(const FormFileRecord &r)
{
    auto o = makeNamed<TCCListBox>(r, QStringLiteral("ListBox"));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    readFont(r, *o);
    o->setVisibleItems(r.number(u"VisibleItems", 2));
    o->setSelectedItem(r.number(u"SelectedItem", 0));
    o->setItems(r.list(o->items()));
    return o;
}

std::unique_ptr<DesignObject> loadDropDown(const FormFileRecord &r)
{
    auto o = makeNamed<TCCDropDown>(r, QStringLiteral("Drop"));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    o->setTestItems(r.number(u"TestItems", 0));
    o->setVisibleItems(r.number(u"VisibleItems", 2));
    o->setSelectedItem(r.number(u"SelectedItem", 0));
    o->setItems(r.list(o->items()));
    return o;
}

std::unique_ptr<DesignObject> loadRadio(const FormFileRecord &r)
{
    auto o = makeNamed<TCCRadio>(r, QStringLiteral("Radio"));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    o->setHeight(r.number(u"Height", 14));
    readFont(r, *o);
    o->setSelectedItem(r.number(u"SelectedItem", 0));
    o->setItems(r.list(o->items()));
    return o;
}

std::unique_ptr<DesignObject> loadPopUp(const FormFileRecord &r)
{
    auto o = makeNamed<TCCPopUp>(r, QStringLiteral("PopUp"));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    readFont(r, *o);
    o->setVisibleItems(r.number(u"VisibleItems", 2));
    o->setSelectedItem(r.number(u"SelectedItem", 0));
    o->setTest(r.number(u"Test", 0));
    o->setItems(r.list(o->items()));
    return o;
}

std::unique_ptr<DesignObject> loadImage(const FormFileRecord &r)
{
    auto o = makeNamed<TCCBitmap>(r, QStringLiteral("Image"));
    readPosition(r, *o, 10, 10);
    o->setHeight(r.number(u"Height", 14));
    o->setWidth(r.number(u"Width", 34));
    o->setStringBits(r.text(u"StringBits"));
    o->setTag(r.number(u"Clickable", 1));
    return o;
}

std::unique_ptr<DesignObject> loadTable(const FormFileRecord &r)
{
    auto o = makeNamed<TCCTable>(r, QStringLiteral("Table"));
    readPosition(r, *o, 10, 10);
    o->setWidth(r.number(u"Width", 34));
    o->setVisibleRows(r.number(u"VisibleRows", 4));
    o->setSelectedRow(r.number(u"SelectedRow", 0));
    // The list sections follow the name this record holds.
    o->setItems(r.list(o->name() + kItemsSuffix, o->items()));
    o->setColWidths(r.list(o->name() + kColWidthsSuffix, o->colWidths()));
    o->setColAlign(r.list(o->name() + kColAlignSuffix, o->colAlign()));
    return o;
}

std::unique_ptr<DesignObject> loadDialog(const FormFileRecord &r)
{
    auto o = makeNamed<TPTDialog>(r, QStringLiteral("Dialog"));
    o->setTitle(r.text(u"Content", QStringLiteral("Dialog")));
    readPosition(r, *o, 60, 5);
    o->setHeight(r.number(u"Height", 80));
    o->setWidth(r.number(u"Width", 152));
    o->setTag(r.number(u"Test", 0));
    return o;
}

std::unique_ptr<DesignObject> loadMenuBar(const FormFileRecord &r, const DesignForm &form)
{
    auto o = std::make_unique<TCCMenuBar>();
    o->setLeft(form.screen()->left());
    o->setTop(form.screen()->top());
    o->setName(r.text(u"Name", QStringLiteral("MenuBar") + form.name()));
    // A loaded bar starts hidden, whatever it was saved with.
    o->setTest(0);
    return o;
}

std::unique_ptr<DesignObject> loadMenu(const FormFileRecord &r, const DesignForm &form)
{
    auto o = makeNamed<TCCMenu>(r, QStringLiteral("Menu"));
    o->setTop(form.screen()->top());
    o->setUserLeft(r.number(u"Left", form.screen()->left() + 5));
    o->setUserWidth(r.number(u"Width", 38));
    o->setTopicWidth(r.number(u"TopicWidth", 36));
    // Every loaded menu starts closed.
    o->setTest(0);
    o->setTopic(r.text(u"Topic", QStringLiteral("Topic")));
    o->setItems(r.list(o->items()));
    return o;
}

} // namespace

void CCLibrary::saveControlRecord(IniDocument &doc, const DesignObject &object) const
{
    switch (object.classId()) {
    case ClassId::TCCButton: {
        const auto &o = static_cast<const TCCButton &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Button);
        w.text(u"Content", o.content());
        geometry(w, o, true).number(u"Edge", o.radius()).number(u"Line", o.line());
        w.font(u"Font", o.font()).text(u"ShowForm", o.showForm()).parent(o);
        break;
    }
    case ClassId::TCCLabel: {
        const auto &o = static_cast<const TCCLabel &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Label);
        saveTextLine(w, o, false);
        w.number(u"Style", o.style()).parent(o);
        break;
    }
    case ClassId::TCCCheckbox: {
        const auto &o = static_cast<const TCCCheckbox &>(object);
        Writer w = beginRecord(doc, o, ControlKind::CheckBox);
        w.text(u"Content", o.content());
        geometry(w, o, false).font(u"Font", o.font()).number(u"State", o.state()).parent(o);
        break;
    }
    case ClassId::TCCSwitch: {
        const auto &o = static_cast<const TCCSwitch &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Switch);
        w.text(u"Content", o.content());
        geometry(w, o, true).font(u"Font", o.font()).number(u"Edge", o.radius());
        w.number(u"Line", o.line()).number(u"State", o.state()).parent(o);
        break;
    }
    case ClassId::TCCEdit: {
        const auto &o = static_cast<const TCCEdit &>(object);
        Writer w = beginRecord(doc, o, o.isEditLine() ? ControlKind::EditLine : ControlKind::Edit);
        if (o.isEditLine()) {
            w.text(u"Content", o.content());
            geometry(w, o, false).font(u"Font", o.font()).number(u"Style", o.style());
            w.number(u"Line", o.line()).parent(o).number(u"Type", o.tag());
        } else {
            saveTextLine(w, o, true);
            w.text(u"Topic", o.topic()).parent(o);
        }
        break;
    }
    case ClassId::TCCListBox: {
        const auto &o = static_cast<const TCCListBox &>(object);
        Writer(doc, o.name()).list(o.items());
        Writer w = beginRecord(doc, o, ControlKind::ListBox);
        geometry(w, o, false).number(u"VisibleItems", o.visibleItems());
        w.number(u"SelectedItem", o.selectedItem()).font(u"Font", o.font()).parent(o);
        break;
    }
    case ClassId::TCCDropDown: {
        const auto &o = static_cast<const TCCDropDown &>(object);
        Writer(doc, o.name()).list(o.items());
        Writer w = beginRecord(doc, o, ControlKind::DropDown);
        geometry(w, o, false).number(u"VisibleItems", o.visibleItems());
        w.number(u"SelectedItem", o.selectedItem()).number(u"TestItems", o.testItems()).parent(o);
        break;
    }
    case ClassId::TCCRadio: {
        const auto &o = static_cast<const TCCRadio &>(object);
        Writer(doc, o.name()).list(o.items());
        Writer w = beginRecord(doc, o, ControlKind::Radio);
        geometry(w, o, false).number(u"Height", o.height());
        w.number(u"SelectedItem", o.selectedItem()).font(u"Font", o.font()).parent(o);
        break;
    }
    case ClassId::TCCPopUp: {
        const auto &o = static_cast<const TCCPopUp &>(object);
        Writer(doc, o.name()).list(o.items());
        Writer w = beginRecord(doc, o, ControlKind::PopUp);
        geometry(w, o, false).number(u"VisibleItems", o.visibleItems());
        w.number(u"SelectedItem", o.selectedItem()).font(u"Font", o.font()).parent(o);
        w.number(u"Test", o.test());
        break;
    }
    case ClassId::TCCBitmap: {
        const auto &o = static_cast<const TCCBitmap &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Image);
        w.text(u"StringBits", o.stringBits());
        geometry(w, o, true).number(u"Clickable", o.tag()).parent(o);
        break;
    }
    case ClassId::TCCTable: {
        const auto &o = static_cast<const TCCTable &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Table);
        geometry(w, o, false).number(u"VisibleRows", o.visibleRows());
        w.number(u"SelectedRow", o.selectedRow()).parent(o);
        w.list(o.name() + kItemsSuffix, o.items());
        w.list(o.name() + kColWidthsSuffix, o.colWidths());
        w.list(o.name() + kColAlignSuffix, o.colAlign());
        break;
    }
    case ClassId::TPTDialog: {
        const auto &o = static_cast<const TPTDialog &>(object);
        Writer w = beginRecord(doc, o, ControlKind::Dialog);
        w.text(u"Content", o.title());
        geometry(w, o, true).number(u"Test", o.tag());
        for (const DesignObject *child : o.children())
            saveControlRecord(doc, *child);
        break;
    }
    case ClassId::TCCMenuBar: {
        const auto &o = static_cast<const TCCMenuBar &>(object);
        beginRecord(doc, o, ControlKind::MenuBar).number(u"Test", o.test());
        break;
    }
    case ClassId::TCCMenu: {
        // The menu keeps the handheld's values, not its design rectangle.
        const auto &o = static_cast<const TCCMenu &>(object);
        Writer(doc, o.name()).list(o.items());
        Writer w = beginRecord(doc, o, ControlKind::Menu);
        w.number(u"Width", o.userWidth()).number(u"Left", o.userLeft()).number(u"Test", o.test());
        w.text(u"Topic", o.topic()).number(u"TopicWidth", o.topicWidth());
        break;
    }
    default:
        break;
    }
}

void CCLibrary::saveMenuRecords(IniDocument &doc, const DesignForm &form) const
{
    if (const TCCMenuBar *bar = menuBarOf(form))
        saveControlRecord(doc, *bar);
    for (const TCCMenu *menu : menusOf(form))
        saveControlRecord(doc, *menu);
}

QStringList CCLibrary::extraRecordSections(const DesignObject &object) const
{
    if (object.classId() != ClassId::TCCTable)
        return {};
    return {object.name() + kItemsSuffix, object.name() + kColWidthsSuffix,
            object.name() + kColAlignSuffix};
}

std::unique_ptr<DesignObject> CCLibrary::loadControlRecord(const FormFileRecord &r,
                                                           const DesignForm &form,
                                                           DesignContainer *) const
{
    const std::optional<ControlKind> kind = kindFromWord(r.text(u"Control"));
    if (!kind || std::find(kRecordKinds.begin(), kRecordKinds.end(), *kind) == kRecordKinds.end())
        return nullptr;
    switch (*kind) {
    case ControlKind::Button: return loadButton(r);
    case ControlKind::Label: return loadLabel(r);
    case ControlKind::CheckBox: return loadCheckBox(r);
    case ControlKind::Switch: return loadSwitch(r);
    case ControlKind::Edit: return loadEdit(r, false);
    case ControlKind::EditLine: return loadEdit(r, true);
    case ControlKind::ListBox: return loadListBox(r);
    case ControlKind::DropDown: return loadDropDown(r);
    case ControlKind::Radio: return loadRadio(r);
    case ControlKind::PopUp: return loadPopUp(r);
    case ControlKind::Image: return loadImage(r);
    case ControlKind::Table: return loadTable(r);
    case ControlKind::Dialog: return loadDialog(r);
    case ControlKind::MenuBar: return loadMenuBar(r, form);
    case ControlKind::Menu: return loadMenu(r, form);
    default: return nullptr;
    }
}

} // namespace zf
