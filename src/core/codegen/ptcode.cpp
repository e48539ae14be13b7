#include "core/codegen/ptcode.h"
#include "core/base/datamod.h"
#include "core/codegen/CodeChecks.h"
#include "core/codegen/CodeText.h"
#include "core/codegen/LineWriter.h"
#include "core/codegen/PtColors.h"
#include "core/codegen/PtKind.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

namespace zf {

namespace {

template <typename T> const T &as(const DesignObject &object)
{
    return static_cast<const T &>(object);
}

// The group number of a push button, radio group or check box as the type
// argument spells it: upper-case hexadecimal without leading zeros.
QString groupHex(int group)
{
    return QString::number(quint32(group), 16).toUpper();
}

QString fontAttribute(const DesignObject &object)
{
    const QString name = object.font().name();
    if (name == QLatin1String("PilotBold"))
        return QStringLiteral("textattr(1,1,0);");
    if (name == QLatin1String("PilotLarge"))
        return QStringLiteral("textattr(2,1,0);");
    if (name == QLatin1String("PilotBold12"))
        return QStringLiteral("textattr(7,1,0);");
    return {};
}

// Nearest whole pixel, half-way values to the even neighbour: side-by-side
// radio buttons then fill their group as closely as whole pixels allow,
// without the steady drift toward wider buttons that rounding every half up
// gives.
qint64 roundHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // floor division
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

// What a container holds that changes its Draw, Events and Repeat code.
struct ContainerTraits
{
    bool repeatButton = false;
    bool field = false;
    bool pickerSelect = false;

    explicit ContainerTraits(const CodeContainer &c)
    {
        for (const DesignObject *child : c.container->children()) {
            const std::optional<ControlKind> kind = ptKindOf(*child);
            repeatButton = repeatButton || isRepeatButton(*child);
            field = field || kind == ControlKind::Field;
            pickerSelect = pickerSelect ||
                           (kind == ControlKind::Select && as<TCCButton>(*child).dotPicker() != 0);
        }
    }

    bool hasRepeatFunction() const { return repeatButton || field; }
};

void writeListArray(LineWriter &out, const DesignObject &child)
{
    const auto &list = as<TPTList>(child);
    if (list.items().isEmpty())
        return;
    QStringList items;
    for (const QString &item : list.items())
        items << quoted(item);
    out("string itm", list.name(), "[", int(list.items().size()), "] = {", items.join(u','), "};");
}

void writeRadio(LineWriter &out, const TCCRadio &radio)
{
    const QString &n = radio.name();
    const QStringList &items = radio.items();
    const qint64 count = items.size();
    const QString group = QStringLiteral("0x") + groupHex(radio.tag()) + QStringLiteral("01");
    const bool sideBySide = radio.orientation() == 0;
    qint64 x = radio.userLeft();
    qint64 y = radio.userTop();
    const qint64 itemWidth = sideBySide && count > 0
                                 ? roundHalfEven(radio.width() - (count + 1), count)
                                 : radio.userWidth();
    const qint64 itemHeight =
        !sideBySide && count > 0 ? (radio.height() - (count + 1)) / count : radio.userHeight();
    for (int i = 0; i < count; ++i) {
        out("  Button(", n, i, ",", group, ",", x, ",", y, ",", itemWidth, ",", itemHeight, ",",
            quoted(items.at(i)), ");");
        if (i == radio.selectedItem())
            out("  FsetState(", n, i, ",1);");
        if (sideBySide)
            x += itemWidth + 1;
        else
            y += itemHeight + 1;
    }
}

void writeObjectLines(LineWriter &out, const DesignObject &o)
{
    const std::optional<ControlKind> kind = ptKindOf(o);
    if (!kind)
        return;
    const QString &n = o.name();
    const QString font = kind == ControlKind::Gsi ? QString() : fontAttribute(o);
    if (!font.isEmpty())
        out("  ", font);
    const auto state = [&](int value) {
        if (value == 1)
            out("  FsetState(", n, ",1);");
    };
    switch (*kind) {
    case ControlKind::Button: {
        const auto &b = as<TPTButton>(o);
        const int frame = b.frame() >= 0 && b.frame() <= 3 ? b.frame() : 0;
        const char *type = isRepeatButton(o) ? "5" : "0";
        out("  Button(", n, ",0x", frame, type, ",", b.userLeft(), ",", b.userTop(), ",",
            b.userWidth(), ",", b.userHeight(), ",", quoted(b.text()), ");");
        break;
    }
    case ControlKind::Push: {
        const auto &p = as<TCCSwitch>(o);
        out("  Button(", n, ",0x", groupHex(p.tag()), "01,", p.userLeft(), ",", p.userTop(), ",",
            p.userWidth(), ",", p.userHeight(), ",", quoted(p.content()), ");");
        state(p.state());
        break;
    }
    case ControlKind::CheckBox: {
        const auto &c = as<TPTCheckbox>(o);
        out("  Button(", n, ",0x", groupHex(c.groupNumber()), "02,", c.userLeft(), ",", c.userTop(),
            ",", c.width(), ",", c.height(), ",", quoted(c.content()), ");");
        state(c.state());
        break;
    }
    case ControlKind::Select: {
        const auto &s = as<TCCButton>(o);
        const char *type = s.alignment() == TextAlignment::Right ? "0x10004" : "0x4";
        out("  Button(", n, ",", type, ",", s.userLeft(), ",", s.userTop(), ",0,", s.userHeight(),
            ",", quoted(s.content()), ");");
        break;
    }
    case ControlKind::PopTrigger:
        out("  Button(", n, ",0x3,", o.left(), ",", o.top(), ",", o.width(), ",", o.height(), ",",
            quoted(as<TPTPopTrigger>(o).text()), ");");
        break;
    case ControlKind::Field: {
        const auto &f = as<TPTEdit>(o);
        QString attributes = QStringLiteral("0x");
        for (int flag :
             {f.justification(), f.numbersOnly(), f.editable(), f.underline(), f.singleLine()})
            attributes += flag == 1 ? u'1' : u'0';
        out("  Field(", n, ",", attributes, ",", f.left(), ",", f.top(), ",", f.width(), ",",
            f.height(), ",", f.maxChars(), ",", quoted(f.text()), ");");
        break;
    }
    case ControlKind::List: {
        const auto &l = as<TPTList>(o);
        const QString trigger = namesNothing(l.trigger()) ? QStringLiteral("0") : l.trigger();
        out("  List(", n, ",", l.userLeft(), ",", l.userTop(), ",", l.width(), ",", l.maxItems(),
            ",", trigger, ");");
        if (!l.items().isEmpty())
            out("  FaddList(", n, ",", int(l.items().size()), ",itm", n, ");");
        break;
    }
    case ControlKind::Label:
        out("  Label(", n, ",", o.left(), ",", o.top(), ",", quoted(as<TPTLabel>(o).content()),
            ");");
        break;
    case ControlKind::Gsi:
        out("  GSI(", o.left(), ",", o.top(), ");");
        break;
    case ControlKind::Radio:
        writeRadio(out, as<TCCRadio>(o));
        break;
    default:
        break;
    }
    if (!font.isEmpty())
        out("  textattr(0,1,0);");
}

void writeDraw(LineWriter &out, const CodeContainer &c, bool color)
{
    const QString &k = c.name();
    const ContainerTraits traits(c);
    out(k, "Draw(){");
    if (traits.repeatButton || (color && traits.field)) {
        out("  //Bind repeat events handler");
        out("  Fctl(REPEAT,", k, "Repeat);");
    }
    if (color)
        out("  ", containerColors(c));
    out("  Fctl(DRAW,", k, ");");
    for (const DesignObject *child : c.container->children()) {
        if (ptKindOf(*child) != ControlKind::Bitmap)
            continue;
        const LineOwner owner(out, child);
        const auto &b = as<TCCBitmap>(*child);
        if (color)
            out("  SetFore(", ColorToIndex(b.colorFore()), ");");
        out("  bitmap(", b.left(), ",", b.top(), ",", bitmapLiteral(b.width(), b.stringBits()),
            ");");
    }
    if (color) {
        bool written = false;
        for (const DesignObject *child : c.container->children()) {
            const QString call = objectColors(*child);
            if (!call.isEmpty()) {
                const LineOwner owner(out, child);
                out("  ", call);
                written = true;
            }
        }
        if (written)
            out("  ", containerColors(c));
    }
    out("  ", k, "Events();");
    out("}");
}

void writeCreate(LineWriter &out, const CodeContainer &c, bool color)
{
    const QString &k = c.name();
    out(k, "Create(){");
    for (const DesignObject *child : c.container->children()) {
        if (ptKindOf(*child) == ControlKind::List) {
            const LineOwner owner(out, child);
            writeListArray(out, *child);
        }
    }
    if (c.dialog) {
        const TPTDialog &d = *c.dialog;
        out("  Dialog(", k, ",", d.userLeft(), ",", d.userTop(), ",", d.userWidth(), ",",
            d.userHeight(), ",", quoted(d.title()), ");");
    } else {
        out("  Form(", k, ",", quoted(c.form->screen()->title()), ");");
    }
    for (const DesignObject *child : c.container->children()) {
        const LineOwner owner(out, child);
        writeObjectLines(out, *child);
    }
    out("}");
    writeDraw(out, c, color);
    out.blank();
}

void writeSelectCase(LineWriter &out, const TCCButton &select, const CodeContainer &c, bool color)
{
    const QString &n = select.name();
    const int picker = select.dotPicker();
    if (picker != 1 && picker != 2)
        return;
    if (color)
        out("      ", pickerColors(select));
    if (picker == 1) {
        out("      p=PickDate(0,date(0),", quoted(select.dotTitle()), ");");
        out("      if (p!=-1) FsetText(", n, ",DateConv(p,", select.dotFormat(), "));");
    } else {
        out("      p=PickTime(time(0),", quoted(select.dotTitle()), ");");
        out("      if (p!=-1) FsetText(", n, ",TimeConv(p,", select.dotFormat(), "));");
    }
    if (color) {
        out("      ", objectColors(select));
        out("      ", containerColors(c));
    }
}

void writeCase(LineWriter &out, const DesignObject &child, const CodeContainer &c, bool color)
{
    const std::optional<ControlKind> kind = ptKindOf(child);
    const bool plainButton = kind == ControlKind::Button && !isRepeatButton(child);
    const bool hasCase = plainButton || kind == ControlKind::Push || kind == ControlKind::Select ||
                         kind == ControlKind::CheckBox ||
                         (kind == ControlKind::List && as<TPTList>(child).style() == 0);
    if (!hasCase)
        return;
    out("    case ", child.name(), ":");
    if (plainButton) {
        const auto &button = as<TPTButton>(child);
        if (!namesNothing(button.showForm())) {
            out("      ", button.showForm(), "Draw();");
        } else if (color) {
            out("      ", objectColors(button));
            out("      ", containerColors(c));
        }
    } else if (kind == ControlKind::Select) {
        writeSelectCase(out, as<TCCButton>(child), c, color);
    }
    out("    break;");
    out.blank();
}

// Restores a button's colours after the library redrew it pressed; the
// library reports that as event 250 with the button in control 402.
void writeButtonColorEvents(LineWriter &out, const CodeContainer &c)
{
    bool any = false;
    for (const DesignObject *child : c.container->children()) {
        const std::optional<ControlKind> kind = ptKindOf(*child);
        const bool plainButton = kind == ControlKind::Button && !isRepeatButton(*child);
        if (!plainButton && kind != ControlKind::Select)
            continue;
        if (!any) {
            out("    //this code only works with PToolbox 7.5 or better");
            out("    case 250:");
            out("      bt=Fctl(402,0);");
            out("      switch(bt){");
            any = true;
        }
        const LineOwner owner(out, child);
        out("        case ", child->name(), ":");
        out("          ", objectColors(*child));
        out("        break;");
        out.blank();
    }
    if (any) {
        out("      }");
        out("      ", containerColors(c));
        out("    break;");
    }
}

void writeRepeat(LineWriter &out, const CodeContainer &c, bool color)
{
    out("int ", c.name(), "Repeat(int butID){");
    out("  switch(butID){");
    for (const DesignObject *child : c.container->children()) {
        const LineOwner owner(out, child);
        if (isRepeatButton(*child)) {
            out("    case ", child->name(), ":");
            out("      //handle the repeat here");
            out("      return(3); //wait 3 seconds and repeat");
            out("    break;");
            out.blank();
        } else if (ptKindOf(*child) == ControlKind::Field && color) {
            out("    case ", child->name(), ":");
            out("      ", objectColors(*child));
            out("    break;");
            out.blank();
        }
    }
    out("    default:");
    out("    break;");
    out("  }//switch");
    out("return(0);");
    out("}");
    out.blank();
}

void writeEvents(LineWriter &out, const CodeContainer &c, bool color, const PtProjectFlags &flags)
{
    const ContainerTraits traits(c);
    out(c.name(), "Events(){");
    if (color && flags.button)
        out(flags.picker ? "  int e, p, bt;" : "  int e, bt;");
    else
        out(flags.picker ? "  int e, p;" : "  int e;");
    if (traits.pickerSelect)
        out("  int p;");
    out("  while(1){");
    out("    e=Fevent(1);");
    out("    switch(e){");
    out.blank();
    for (const DesignObject *child : c.container->children()) {
        const LineOwner owner(out, child);
        writeCase(out, *child, c, color);
    }
    if (color && flags.button)
        writeButtonColorEvents(out, c);
    out("    } //switch");
    out("  } //while");
    out("}");
    out.blank();
    if (traits.hasRepeatFunction())
        writeRepeat(out, c, color);
}

bool hasId(std::optional<ControlKind> kind)
{
    return kind && kind != ControlKind::Bitmap && kind != ControlKind::Dialog &&
           kind != ControlKind::Gsi;
}

} // namespace

PtProjectFlags PtProjectFlags::of(const FormList &forms)
{
    PtProjectFlags flags;
    for (const CodeContainer &c : codeContainers(forms)) {
        for (const DesignObject *child : c.container->children()) {
            const std::optional<ControlKind> kind = ptKindOf(*child);
            const bool plainButton = kind == ControlKind::Button && !isRepeatButton(*child);
            flags.button = flags.button || plainButton || kind == ControlKind::Select;
            flags.picker = flags.picker ||
                           (kind == ControlKind::Select && as<TCCButton>(*child).dotPicker() != 0);
            flags.label = flags.label || kind == ControlKind::Label;
            flags.field = flags.field || kind == ControlKind::Field;
        }
    }
    return flags;
}

void GeneratePtMain(QStringList &lines, const DesignForm &firstForm, const FormList &forms,
                    const QString &projectName, bool color, LineRuns *owners)
{
    LineWriter out(lines, owners);
    const PtProjectFlags flags = PtProjectFlags::of(forms);
    out.blank();
    out("library \"PToolboxLib\"");
    out("#include \"Fctl.h\"");
    out("#include \"", projectName, ".h\"");
    out("#include \"", projectName, "Forms.pc\"");
    out("#include \"", projectName, "Events.pc\"");
    if (color) {
        out.blank();
        writeColorFunctions(out, flags.button || flags.label, flags.field);
    }
    const std::vector<CodeContainer> containers = codeContainers(forms);
    out("//init");
    out("main(){");
    if (color)
        out("  SetDepth(5);");
    for (const CodeContainer &c : containers) {
        const LineOwner owner(out, c.container);
        out("  ", c.name(), "Create();");
    }
    out.blank();
    out("  //Show first form");
    out("  ", firstForm.name(), "Draw();");
    out("}");
    out.blank();
}

void GeneratePtForms(QStringList &lines, bool memoMode, const FormList &forms,
                     const QString &projectName, bool color, LineRuns *owners)
{
    LineWriter out(lines, owners);
    writeMemoTitle(out, memoMode, projectName + QStringLiteral("Forms.pc"));
    for (const CodeContainer &c : codeContainers(forms)) {
        const LineOwner owner(out, c.container);
        writeCreate(out, c, color);
    }
}

void GeneratePtEvents(QStringList &lines, bool memoMode, const FormList &forms,
                      const QString &projectName, bool color, LineRuns *owners)
{
    LineWriter out(lines, owners);
    const PtProjectFlags flags = PtProjectFlags::of(forms);
    writeMemoTitle(out, memoMode, projectName + QStringLiteral("Events.pc"));
    for (const CodeContainer &c : codeContainers(forms)) {
        const LineOwner owner(out, c.container);
        writeEvents(out, c, color, flags);
    }
}

void GeneratePtHeader(QStringList &lines, bool memoMode, const FormList &forms,
                      const QString &projectName, bool color, LineRuns *owners)
{
    LineWriter out(lines, owners);
    writeMemoTitle(out, memoMode, projectName + QStringLiteral(".h"));
    const std::vector<CodeContainer> containers = codeContainers(forms);
    // Resource IDs are numbered across the whole project from 3000.
    qint64 id = 2999;
    for (const CodeContainer &c : containers) {
        const LineOwner owner(out, c.container);
        out("//", c.name(), " ID numbers");
        out("#define ", c.name(), " ", ++id);
        for (const DesignObject *child : c.container->children()) {
            const std::optional<ControlKind> kind = ptKindOf(*child);
            if (!hasId(kind))
                continue;
            const LineOwner owner(out, child);
            if (kind == ControlKind::Radio) {
                const int count = int(as<TCCRadio>(*child).items().size());
                for (int i = 0; i < count; ++i)
                    out("#define ", child->name(), i, " ", ++id);
            } else {
                out("#define ", child->name(), " ", ++id);
            }
        }
        out.blank();
    }
    out("//Prototypes");
    if (color) {
        const PtProjectFlags flags = PtProjectFlags::of(forms);
        writeColorPrototypes(out, flags.button || flags.label, flags.field);
    }
    for (const CodeContainer &c : containers) {
        const LineOwner owner(out, c.container);
        const QString &k = c.name();
        out(k, "Create();");
        out(k, "Events();");
        out(k, "Draw();");
        if (ContainerTraits(c).hasRepeatFunction())
            out("int ", k, "Repeat(int butID);");
        out.blank();
    }
}

void PTCodeGenerator::generate(const CodeRequest &request, GeneratedCode &code) const
{
    if (request.forms.empty())
        return;
    const DesignForm &first = request.firstForm ? *request.firstForm : *request.forms.front();
    GeneratePtMain(code.main, first, request.forms, request.projectName, request.color,
                   &code.owners[0]);
    GeneratePtForms(code.forms, request.memoMode, request.forms, request.projectName,
                    request.color, &code.owners[1]);
    GeneratePtEvents(code.events, request.memoMode, request.forms, request.projectName,
                     request.color, &code.owners[2]);
    GeneratePtHeader(code.header, request.memoMode, request.forms, request.projectName,
                     request.color, &code.owners[3]);
}

QStringList PTCodeGenerator::warnings(const FormList &forms) const
{
    // Radio groups define a name per item; pictures and shift indicators
    // are never named in the code.
    const auto codeNames = [](const DesignObject &object) -> QStringList {
        const std::optional<ControlKind> kind = ptKindOf(object);
        if (kind == ControlKind::Radio) {
            QStringList names;
            for (qsizetype i = 0; i < as<TCCRadio>(object).items().size(); ++i)
                names << object.name() + QString::number(i);
            return names;
        }
        if (kind == ControlKind::Dialog || hasId(kind))
            return {object.name()};
        return {};
    };
    // "e", "p" and "bt" are the event loops' own variables.
    QStringList warnings = nameWarnings(
        forms, {QStringLiteral("e"), QStringLiteral("p"), QStringLiteral("bt")}, codeNames);
    warnings << showFormWarnings(forms, [](const DesignObject &object) {
        const auto *button = objectCast<TPTButton>(&object);
        return button ? button->showForm() : QString();
    });
    return warnings;
}

QString PTCodeGenerator::missingLibraryMessage() const
{
    return QStringLiteral("PToolboxLib header file Fctl.h not found at project source path. You "
                          "must copy it before compile.");
}

} // namespace zf
