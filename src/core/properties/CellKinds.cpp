#include "core/properties/CellKinds.h"
#include "core/base/datamod.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/controls/CCButton.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"
#include "core/model/PropertyWords.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

namespace zf {

namespace {

const QString kNumberRows = QStringLiteral("Left,Top,Width,Height,Edge,TopicWidth,VisibleItems,"
                                           "GroupNumber,MaxItems,SelectedItem,MaxChars");

const QString kCheckedNumberRows = kNumberRows + QStringLiteral(",VisibleRows,SelectedRow");

const QString kChoiceRows = QStringLiteral(
    "State,Font,Alignment,Align,Line,Style,Test,Type,TestItems,Frame,SingleLine,Underline,"
    "NumbersOnly,Orientation,Editable,Clickable,Justification,Trigger,ShowForm,FillColor,"
    "TextColor,FormFillColor,FormFrameColor,ObjForeTextColor,ObjSelectedFillColor,"
    "ObjSelectedForeColor,ObjFrameColor,ObjFillColor,DialogFillColor,DialogFrameColor,"
    "DateTimePicker,DateTimeFormat,BackgroundColor,LineColor,CaretColor,HighlightBackColor,"
    "HighlightForeColor");

const QStringList kColorRows = {
    QStringLiteral("FillColor"),
    QStringLiteral("TextColor"),
    QStringLiteral("FormFrameColor"),
    QStringLiteral("FormFillColor"),
    QStringLiteral("ObjFrameColor"),
    QStringLiteral("ObjFillColor"),
    QStringLiteral("ObjForeTextColor"),
    QStringLiteral("ObjSelectedFillColor"),
    QStringLiteral("ObjSelectedForeColor"),
    QStringLiteral("DialogFillColor"),
    QStringLiteral("DialogFrameColor"),
    QStringLiteral("BackgroundColor"),
    QStringLiteral("LineColor"),
    QStringLiteral("CaretColor"),
    QStringLiteral("HighlightBackColor"),
    QStringLiteral("HighlightForeColor"),
    QStringLiteral("ForeColor"),
};

ChoiceList formatChoices(const DesignObject *object)
{
    const auto *select = objectCast<TCCButton>(object);
    const int picker = select ? select->dotPicker() : 0;
    ChoiceList choices;
    for (const auto &[index, text] : formatList(picker))
        choices.entries << text;
    if (choices.entries.isEmpty())
        choices.entries << words::kNone;
    else
        choices.visibleRows = int(choices.entries.size());
    return choices;
}

QStringList styleChoices(const DesignObject *object)
{
    if (objectCast<TCCEdit>(object) || objectCast<TCCLabel>(object))
        return words::textStyle();
    if (objectCast<TPTList>(object))
        return words::listStyle();
    return {};
}

QStringList wordChoices(const QString &name)
{
    const auto is = [&name](const char *word) { return name == QLatin1String(word); };
    if (is("Font"))
        return palmFontDisplayNames();
    if (is("Frame"))
        return words::frame();
    if (is("Type"))
        return words::buttonType();
    if (is("Alignment"))
        return words::alignment();
    if (is("Align") || is("Justification"))
        return words::leftRight();
    if (is("Orientation"))
        return words::orientation();
    if (is("State") || is("SingleLine") || is("NumbersOnly"))
        return words::falseTrue();
    if (is("Underline") || is("Editable"))
        return words::trueFalse();
    if (is("Test") || is("TestItems") || is("Clickable"))
        return words::noYes();
    if (is("Line"))
        return words::line();
    if (is("DateTimePicker"))
        return words::picker();
    return {};
}

} // namespace

CellKind TipoCelda(const QString &name)
{
    if (name == QLatin1String("Text"))
        return CellKind::FreeText;
    if (name == QLatin1String("Items"))
        return CellKind::ItemList;
    if (name == QLatin1String("Bitmap"))
        return CellKind::Bitmap;
    if (name == QLatin1String("DateTimeColors"))
        return CellKind::ColorSet;
    if (kNumberRows.contains(name))
        return CellKind::Number;
    if (kChoiceRows.contains(name))
        return CellKind::Choice;
    return CellKind::FreeText;
}

bool ValorOK(const QString &name, const QString &value)
{
    if (!kCheckedNumberRows.contains(name))
        return true;
    return !value.isEmpty() && value != QLatin1String("-");
}

ChoiceList choiceList(const QString &name, const DesignObject *object, const DesignProject &project)
{
    if (kColorRows.contains(name))
        return {words::colors(), int(words::colors().size())};
    if (name == QLatin1String("DateTimeFormat"))
        return formatChoices(object);
    if (name == QLatin1String("Style"))
        return {styleChoices(object)};
    if (name == QLatin1String("ShowForm"))
        return {object ? showFormTargets(*object, project) : QStringList{words::kNone}};
    if (name == QLatin1String("Trigger"))
        return {object ? triggerEntries(*object) : QStringList{words::kNone}};
    return {wordChoices(name)};
}

QStringList showFormTargets(const DesignObject &object, const DesignProject &project)
{
    QStringList targets{words::kNone};
    const DesignContainer *container = object.parent();
    const bool inDialog = objectCast<TPTDialog>(container) != nullptr;
    for (const DesignForm *form : project.formsInWindowOrder()) {
        if (!form->isShown())
            continue;
        if (container != form->screen())
            targets << form->name();
        if (!inDialog) {
            for (const TPTDialog *dialog : form->dialogs())
                targets << dialog->name();
        }
    }
    return targets;
}

QStringList triggerEntries(const DesignObject &object)
{
    QStringList entries{words::kNone};
    if (const DesignContainer *container = object.parent()) {
        for (const DesignObject *sibling : container->children()) {
            if (objectCast<TPTPopTrigger>(sibling))
                entries << sibling->name();
        }
    }
    return entries;
}

} // namespace zf
