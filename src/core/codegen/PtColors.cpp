#include "core/codegen/PtColors.h"
#include "core/base/datamod.h"
#include "core/codegen/CodeText.h"
#include "core/codegen/LineWriter.h"
#include "core/codegen/PtKind.h"
#include "core/controls/CCButton.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTLabel.h"

#include <initializer_list>

namespace zf {

namespace {

QString call(const char *function, const QString &first, std::initializer_list<PalmColor> colors)
{
    QString text = QLatin1String(function) + QLatin1Char('(') + first;
    for (PalmColor color : colors)
        text += QLatin1Char(',') + ColorToIndex(color);
    return text + QStringLiteral(");");
}

} // namespace

QString containerColors(const CodeContainer &c)
{
    if (const TPTDialog *d = c.dialog) {
        return call("FormColors", QStringLiteral("1"),
                    {d->colorDialogFrame(), d->colorDialogFill(), d->colorFrame(), d->colorFill(),
                     d->colorText(), d->colorSelectedFill(), d->colorSelectedFore()});
    }
    const TCCForm &s = *c.form->screen();
    return call("FormColors", QStringLiteral("0"),
                {s.colorFormFrame(), s.colorFormFill(), s.colorFrame(), s.colorFill(),
                 s.colorText(), s.colorSelectedFill(), s.colorSelectedFore()});
}

QString objectColors(const DesignObject &object)
{
    // A repeat button keeps the library's own colours.
    const std::optional<ControlKind> kind = ptKindOf(object);
    if (!kind || isRepeatButton(object))
        return {};
    switch (*kind) {
    case ControlKind::Button: {
        const auto &b = static_cast<const TPTButton &>(object);
        return call("ButColors", b.name(), {b.colorFill(), b.colorText()});
    }
    case ControlKind::Select: {
        const auto &s = static_cast<const TCCButton &>(object);
        return call("ButColors", s.name(), {s.colorFill(), s.colorText()});
    }
    case ControlKind::Label: {
        // A label has no fill of its own.
        const auto &l = static_cast<const TPTLabel &>(object);
        return call("ButColors", l.name() + QStringLiteral(",0"), {l.colorText()});
    }
    case ControlKind::Field: {
        const auto &f = static_cast<const TPTEdit &>(object);
        return call("FieldColors", f.name(),
                    {f.colorFill(), f.colorText(), f.colorLines(), f.colorCaret(),
                     f.colorHighlightBack(), f.colorHighlightFore()});
    }
    default:
        return {};
    }
}

QString pickerColors(const TCCButton &select)
{
    // Seven colour names; a missing or unknown one is black, as NameToColor
    // gives.
    const QStringList names = select.dotColors().split(u',');
    QString text = QStringLiteral("FormColors(1");
    for (int k = 0; k < 7; ++k)
        text += QLatin1Char(',') +
                ColorToIndex(NameToColor(k < names.size() ? names.at(k) : QString()));
    return text + QStringLiteral(");");
}

void writeColorFunctions(LineWriter &out, bool butColors, bool fieldColors)
{
    out("FormColors(int Type, int clFFrame, int clFFill, int clFrame, int clFill, int clText, "
        "int clSelFill, int clSelFore){");
    out("  if (Type==0){");
    out("    UIColor(21,clFFrame); //form frame");
    out("    UIColor(22,clFFill); //form fill");
    out("  }");
    out("  else{");
    out("    UIColor(23,clFFrame); //dialog frame");
    out("    UIColor(24,clFFill); //dialog fill");
    out("  }");
    out("  UIColor(0,clFrame); //objects frame");
    out("  UIColor(1,clFill); //objects fill");
    out("  UIColor(2,clText); //objects text");
    out("  UIColor(3,clSelFill); //objects selected fill");
    out("  UIColor(4,clSelFore); //objects selected fore");
    out("}");
    out.blank();
    if (butColors) {
        out("ButColors(int id, int clFill, int clText){");
        out("  UIColor(1,clFill);");
        out("  UIColor(2,clText);");
        out("  Fctl(SHOW,id);");
        out("}");
        out.blank();
    }
    if (fieldColors) {
        out("FieldColors(int id, int clBack, int clText, int clLines, int clCaret, int clHlBg, "
            "int clHlFg){");
        out("  UIColor(10,clBack);");
        out("  UIColor(11,clText);");
        out("  UIColor(12,clLines);");
        out("  UIColor(13,clCaret);");
        out("  UIColor(14,clHlBg);");
        out("  UIColor(15,clHlFg);");
        out("  Fctl(SHOW,id);");
        out("}");
        out.blank();
    }
}

void writeColorPrototypes(LineWriter &out, bool butColors, bool fieldColors)
{
    out("FormColors(int Type, int clFFrame, int clFFill, int clFrame, int clFill, int clText, "
        "int clSelFill, int clSelFore);");
    if (butColors)
        out("ButColors(int id, int clFill, int clText);");
    if (fieldColors)
        out("FieldColors(int id, int clBack, int clText, int clLines, int clCaret, int clHlBg, "
            "int clHlFg);");
}

} // namespace zf
