#include "core/codegen/cccode.h"
#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/codegen/CodeChecks.h"
#include "core/codegen/CodeText.h"
#include "core/codegen/LineWriter.h"
#include "core/codegen/TableColumns.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"

namespace zf {

namespace {

// What a placed object is to the generator: its kind, as the CControls
// entries tell it; none for a class CControls does not place, which gets no
// code.
std::optional<ControlKind> kindOf(const DesignObject &object)
{
    return LibrarySupport::forLibrary(kLibraryCControls).kindOf(object);
}

// An Image is a CControls object only when clickable (Tag 1); otherwise it is
// a plain picture drawn with the built-in bitmap() and has no handle.
bool isPicture(const DesignObject &object)
{
    return kindOf(object) == ControlKind::Image && object.tag() != 1;
}

// Objects with a Chandle of their own.
bool hasHandle(const DesignObject &object)
{
    const std::optional<ControlKind> kind = kindOf(object);
    return kind && kind != ControlKind::Dialog && !isPicture(object);
}

// Objects with an event handler: pop-ups report through their trigger.
bool hasEvents(const DesignObject &object)
{
    return hasHandle(object) && kindOf(object) != ControlKind::PopUp;
}

// Placed straight in front of a text to show it in another Palm font.
QString fontCode(const DesignObject &object)
{
    const QString name = object.font().name();
    if (name == QLatin1String("PilotBold"))
        return QStringLiteral("/f1");
    if (name == QLatin1String("PilotLarge"))
        return QStringLiteral("/f2");
    if (name == QLatin1String("PilotBold12"))
        return QStringLiteral("/f7");
    return {};
}

int alignCode(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Center:
        return 1;
    case TextAlignment::Right:
        return 2;
    case TextAlignment::Left:
        break;
    }
    return 0;
}

const QStringList &itemsOf(const DesignObject &object)
{
    return static_cast<const ItemListObject &>(object).items();
}

template <typename T> const T &as(const DesignObject &object)
{
    return static_cast<const T &>(object);
}

// The window's menu bars and menus, in the window's child order.
std::vector<const DesignObject *> windowObjects(const DesignForm &form, ControlKind kind)
{
    std::vector<const DesignObject *> objects;
    for (const DesignObject *object : form.windowChildren()) {
        if (kindOf(*object) == kind)
            objects.push_back(object);
    }
    return objects;
}

// A control inside a dialog is placed relative to the dialog; the library
// places it on the screen.
struct Offset
{
    qint64 dx = 0;
    qint64 dy = 0;
};

Offset offsetOf(const CodeContainer &c)
{
    return c.dialog ? Offset{c.dialog->left(), c.dialog->top()} : Offset{};
}

void writeHandles(LineWriter &out, const CodeContainer &c)
{
    QStringList names;
    if (c.dialog)
        names << QLatin1Char('h') + c.name();
    for (const DesignObject *child : c.container->children()) {
        if (hasHandle(*child))
            names << child->name();
    }
    if (!c.dialog) {
        for (const DesignObject *object : c.form->windowChildren()) {
            const std::optional<ControlKind> kind = kindOf(*object);
            if (kind == ControlKind::MenuBar || kind == ControlKind::Menu)
                names << object->name();
        }
    }
    out("Chandle ", names.join(QStringLiteral(", ")), ";");
    out.blank();
}

void writeConstructor(LineWriter &out, const DesignObject &o, Offset offset)
{
    const QString &n = o.name();
    const qint64 x = o.userLeft() + offset.dx;
    const qint64 y = o.userTop() + offset.dy;
    const auto itemsBox = [&](const char *function, int visibleItems) {
        out("  ", n, "=", function, "(", x, ",", y, ",", o.userWidth(), ",", visibleItems, ");");
    };
    const std::optional<ControlKind> kind = kindOf(o);
    if (!kind || isPicture(o))
        return;
    switch (*kind) {
    case ControlKind::Button: {
        const auto &b = as<TCCButton>(o);
        out("  ", n, "=Cbutton(", x, ",", y, ",", b.userWidth(), ",", b.userHeight(), ",", b.line(),
            ",", b.radius(), ");");
        break;
    }
    case ControlKind::Switch: {
        const auto &s = as<TCCSwitch>(o);
        out("  ", n, "=Cswitch(", x, ",", y, ",", s.userWidth(), ",", s.userHeight(), ",", s.line(),
            ",", s.radius(), ");");
        break;
    }
    case ControlKind::Radio:
        out("  ", n, "=Cradio(", x, ",", y, ",", o.userWidth(), ",", o.userHeight(), ");");
        break;
    case ControlKind::Label: {
        const auto &l = as<TCCLabel>(o);
        out("  ", n, "=Clabel(", x, ",", y, ",", l.userWidth(), ",", l.line(), ",", l.style(), ",",
            alignCode(l.alignment()), ");");
        break;
    }
    case ControlKind::ListBox:
        itemsBox("Clistbox", as<TCCListBox>(o).visibleItems());
        break;
    case ControlKind::DropDown:
        itemsBox("Cdropdown", as<TCCDropDown>(o).visibleItems());
        break;
    case ControlKind::PopUp:
        itemsBox("Cpopup", as<TCCPopUp>(o).visibleItems());
        break;
    case ControlKind::CheckBox:
        out("  ", n, "=Ccheckbox(", x, ",", y, ",", o.width(), ");");
        break;
    case ControlKind::Edit: {
        const auto &e = as<TCCEdit>(o);
        out("  ", n, "=Cedit(", x, ",", y, ",", e.userWidth(), ",", e.line(), ",", e.style(), ",",
            alignCode(e.alignment()), ");");
        break;
    }
    case ControlKind::EditLine: {
        const auto &e = as<TCCEdit>(o);
        out("  ", n, "=Ceditline(", x, ",", y, ",", e.userWidth(), ",", e.line(), ",", e.style(),
            ");");
        break;
    }
    case ControlKind::Image:
        out("  ", n, "=Cimage(", o.left() + offset.dx, ",", o.top() + offset.dy, ",", o.width(),
            ",", o.height(), ");");
        break;
    case ControlKind::Table: {
        const auto &t = as<TCCTable>(o);
        const TableColumns columns(t);
        out("  ", n, "=Ctable(", x, ",", y, ",", t.userWidth(), ",", t.visibleRows(), ",",
            columns.count(), ");");
        for (int i = 0; i < columns.count(); ++i)
            out("  Csetrow(", n, ",", i, ",", columns.width(i), ",", columns.align(i), ");");
        break;
    }
    default:
        break;
    }
}

void writeControls(LineWriter &out, const CodeContainer &c)
{
    out(c.name(), "Controls(){");
    if (c.dialog) {
        const TPTDialog &d = *c.dialog;
        out("  h", d.name(), "=Cframe(", d.left(), ",", d.top(), ",", d.width(), ",", d.height(),
            ");");
    }
    const Offset offset = offsetOf(c);
    for (const DesignObject *child : c.container->children()) {
        const LineOwner owner(out, child);
        writeConstructor(out, *child, offset);
    }
    if (!c.dialog) {
        for (const DesignObject *object : c.form->windowChildren()) {
            const LineOwner owner(out, object);
            const std::optional<ControlKind> kind = kindOf(*object);
            if (kind == ControlKind::MenuBar) {
                out("  ", object->name(), "=Cmenubar();");
            } else if (kind == ControlKind::Menu) {
                const auto &m = as<TCCMenu>(*object);
                out("  ", m.name(), "=Cmenu(", m.userLeft(), ",", m.userWidth(), ",",
                    m.topicWidth(), ");");
            }
        }
    }
    out("}");
}

void writeItems(LineWriter &out, const DesignObject &o)
{
    for (const QString &item : itemsOf(o))
        out("  Cadditem(", o.name(), ",", quoted(item), ");");
}

void writeContent(LineWriter &out, const DesignObject &o)
{
    const QString &n = o.name();
    const auto content = [&](const QString &text) {
        out("  Csetcontent(", n, ",", quoted(text), ");");
    };
    const std::optional<ControlKind> kind = kindOf(o);
    if (!kind || isPicture(o))
        return;
    switch (*kind) {
    case ControlKind::Button:
        content(fontCode(o) + as<TCCButton>(o).content());
        break;
    case ControlKind::Label:
        content(fontCode(o) + as<TCCLabel>(o).content());
        break;
    case ControlKind::Switch: {
        const auto &s = as<TCCSwitch>(o);
        content(fontCode(o) + s.content());
        out("  Csetstate(", n, ",", s.state(), ");");
        break;
    }
    case ControlKind::CheckBox: {
        const auto &b = as<TCCCheckbox>(o);
        out("  Csetstate(", n, ",", b.state(), ");");
        content(fontCode(o) + b.content());
        break;
    }
    case ControlKind::Radio:
    case ControlKind::ListBox:
    case ControlKind::PopUp:
    case ControlKind::DropDown:
        out("  Csetcursel(", n, ",", static_cast<const ItemListObject &>(o).selectedItem(), ");");
        writeItems(out, o);
        break;
    case ControlKind::Edit: {
        const auto &e = as<TCCEdit>(o);
        out("  Csettopic(", n, ",", quoted(e.topic()), ");");
        content(e.content());
        break;
    }
    case ControlKind::EditLine:
        content(as<TCCEdit>(o).content());
        break;
    case ControlKind::Image: {
        const auto &b = as<TCCBitmap>(o);
        out("  Csetcontent(", n, ",", bitmapLiteral(b.width(), b.stringBits()), ");");
        break;
    }
    case ControlKind::Table: {
        const auto &t = as<TCCTable>(o);
        const int cols = TableColumns(t).count();
        for (const QString &row : t.items()) {
            out("  Cadditem(", n, ",", quoted(rowField(row, 1)), ");");
            for (int j = 1; j < cols; ++j)
                out("  Csetfield(", n, ",", j, ",", quoted(rowField(row, j + 1)), ");");
        }
        out("  Csetcursel(", n, ",0);");
        break;
    }
    default:
        break;
    }
}

void writeContents(LineWriter &out, const CodeContainer &c)
{
    out(c.name(), "Contents(){");
    if (c.dialog)
        out("  Csetcontent(h", c.name(), ",", quoted(c.dialog->title()), ");");
    for (const DesignObject *child : c.container->children()) {
        const LineOwner owner(out, child);
        writeContent(out, *child);
    }
    if (!c.dialog) {
        const std::vector<const DesignObject *> menus = windowObjects(*c.form, ControlKind::Menu);
        for (const DesignObject *object : c.form->windowChildren()) {
            const LineOwner owner(out, object);
            const std::optional<ControlKind> kind = kindOf(*object);
            if (kind == ControlKind::MenuBar) {
                for (const DesignObject *menu : menus)
                    out("  Caddmenu(", object->name(), ",", menu->name(), ");");
            } else if (kind == ControlKind::Menu) {
                out("  Csettopic(", object->name(), ",", quoted(as<TCCMenu>(*object).topic()),
                    ");");
                writeItems(out, *object);
            }
        }
    }
    out("}");
}

void writeDraw(LineWriter &out, const CodeContainer &c)
{
    out(c.name(), "Draw(){");
    if (c.dialog) {
        out("  Cdraw(h", c.name(), ");");
    } else {
        out("  title(", quoted(c.form->screen()->title()), ");");
        out("  clearg();");
    }
    const Offset offset = offsetOf(c);
    for (const DesignObject *child : c.container->children()) {
        const LineOwner owner(out, child);
        if (isPicture(*child)) {
            const auto &b = as<TCCBitmap>(*child);
            out("    bitmap(", b.left() + offset.dx, ",", b.top() + offset.dy, ",",
                bitmapLiteral(b.width(), b.stringBits()), ");");
        } else if (hasHandle(*child)) {
            out("  Cdraw(", child->name(), ");");
        }
    }
    out("}");
    out.blank();
}

void writeEventBlock(LineWriter &out, const CodeContainer &c)
{
    std::vector<const DesignObject *> children;
    for (const DesignObject *child : c.container->children()) {
        if (hasEvents(*child))
            children.push_back(child);
    }
    for (const DesignObject *child : children) {
        const LineOwner owner(out, child);
        out("On", child->name(), "(){");
        if (const auto *button = objectCast<TCCButton>(child)) {
            if (!namesNothing(button->showForm()))
                out("  ", button->showForm(), "();");
        }
        out("}");
        out.blank();
    }

    std::vector<const DesignObject *> bars;
    if (!c.dialog) {
        bars = windowObjects(*c.form, ControlKind::MenuBar);
        if (!bars.empty()) {
            const LineOwner owner(out, bars.front());
            out("On", bars.front()->name(), "(string Option){");
            out("  switch (Option){");
            for (const DesignObject *menu : windowObjects(*c.form, ControlKind::Menu)) {
                for (const QString &entry : itemsOf(*menu)) {
                    out("    case ", quoted(entry), ":");
                    out("      //action for menu", entry);
                    out("      break;");
                }
            }
            out("}");
            out("}");
            out.blank();
        }
    }

    out(c.name(), "Events(){");
    out("  int e;");
    out("  while(1){");
    out("    e=event(1);");
    bool first = true;
    const auto branch = [&] {
        const char *keyword = first ? "    if (Cevent(" : "    else if (Cevent(";
        first = false;
        return keyword;
    };
    for (const DesignObject *child : children) {
        const LineOwner owner(out, child);
        out(branch(), child->name(), ",e)) On", child->name(), "();");
    }
    for (const DesignObject *bar : bars) {
        const LineOwner owner(out, bar);
        const QString &m = bar->name();
        out(branch(), m, ",e)) On", m, "(Cgetcontent(", m, "));");
    }
    out("  }");
    out("}");
    out.blank();
}

} // namespace

void GenerateMain(QStringList &lines, const DesignForm &firstForm, const FormList &forms,
                  const QString &projectName, LineRuns *owners)
{
    LineWriter out(lines, owners);
    out.blank();
    out("#include \"", projectName, ".h\"");
    out("#include \"", projectName, "Forms.pc\"");
    out("#include \"", projectName, "Events.pc\"");
    out.blank();
    out("//init");
    out("main(){");
    out("  graph_on();");
    out("  title(\"\");");
    out("  ", firstForm.name(), "();");
    out("}");
    out.blank();
    for (const CodeContainer &c : codeContainers(forms)) {
        const LineOwner owner(out, c.container);
        const QString &k = c.name();
        out(k, "(){");
        out("  ", k, "Controls();");
        out("  ", k, "Contents();");
        out("  ", k, "Draw();");
        out("  ", k, "Events();");
        out("}");
        out.blank();
    }
}

void GenerateForms(QStringList &lines, bool memoMode, const FormList &forms,
                   const QString &projectName, LineRuns *owners)
{
    LineWriter out(lines, owners);
    writeMemoTitle(out, memoMode, projectName + QStringLiteral("Forms.pc"));
    out("#include \"Ccontrols.c\"");
    for (const CodeContainer &c : codeContainers(forms)) {
        const LineOwner owner(out, c.container);
        writeHandles(out, c);
        writeControls(out, c);
        writeContents(out, c);
        writeDraw(out, c);
    }
}

void GenerateEvents(QStringList &lines, bool memoMode, const FormList &forms,
                    const QString &projectName, LineRuns *owners)
{
    LineWriter out(lines, owners);
    writeMemoTitle(out, memoMode, projectName + QStringLiteral("Events.pc"));
    out("#include \"", projectName, ".h\"");
    for (const CodeContainer &c : codeContainers(forms)) {
        const LineOwner owner(out, c.container);
        writeEventBlock(out, c);
    }
}

void GenerateHeader(QStringList &lines, bool memoMode, const FormList &forms,
                    const QString &projectName, LineRuns *owners)
{
    LineWriter out(lines, owners);
    writeMemoTitle(out, memoMode, projectName + QStringLiteral(".h"));
    out("//Form and dialog prototypes");
    for (const CodeContainer &c : codeContainers(forms)) {
        const LineOwner owner(out, c.container);
        out(c.name(), "();");
    }
}

void CCCodeGenerator::generate(const CodeRequest &request, GeneratedCode &code) const
{
    if (request.forms.empty())
        return;
    const DesignForm &first = request.firstForm ? *request.firstForm : *request.forms.front();
    GenerateMain(code.main, first, request.forms, request.projectName, &code.owners[0]);
    GenerateForms(code.forms, request.memoMode, request.forms, request.projectName,
                  &code.owners[1]);
    GenerateEvents(code.events, request.memoMode, request.forms, request.projectName,
                   &code.owners[2]);
    GenerateHeader(code.header, request.memoMode, request.forms, request.projectName,
                   &code.owners[3]);
}

QStringList CCCodeGenerator::warnings(const FormList &forms) const
{
    // "e" is the event loops' own variable.
    QStringList warnings =
        nameWarnings(forms, {QStringLiteral("e")}, [](const DesignObject &object) -> QStringList {
            if (!kindOf(object) || isPicture(object))
                return {};
            if (kindOf(object) == ControlKind::Dialog)
                return {object.name(), QLatin1Char('h') + object.name()};
            return {object.name()};
        });
    warnings << showFormWarnings(forms, [](const DesignObject &object) {
        const auto *button = objectCast<TCCButton>(&object);
        return button ? button->showForm() : QString();
    });
    for (const DesignForm *form : forms) {
        form->forEachObject([&](DesignObject *object) {
            const auto *table = objectCast<TCCTable>(object);
            if (!table || TableColumns(*table).isComplete())
                return;
            const QString where = form->name() + QStringLiteral(": table ") + table->name();
            if (table->cols() > TableColumns::kMaxColumns)
                warnings << where + QStringLiteral(" has ") + QString::number(table->cols()) +
                                QStringLiteral(" columns; only the first ") +
                                QString::number(TableColumns::kMaxColumns) +
                                QStringLiteral(" are set up");
            else if (table->cols() >= 0)
                warnings << where + QStringLiteral(" lacks the width or alignment of a column; ") +
                                TableColumns::kDefaultWidth + QStringLiteral(" and ") +
                                TableColumns::kDefaultAlign +
                                QStringLiteral(" are written in their place");
        });
    }
    return warnings;
}

QString CCCodeGenerator::missingLibraryMessage() const
{
    return QStringLiteral(
        "CControls library not found at project source path. You must copy it before compile.");
}

} // namespace zf
