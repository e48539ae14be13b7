#pragma once

#include <QStringList>

namespace zf {

class DesignObject;
class DesignProject;

// How a value cell of the property sheet is edited, told from the row's name
// alone.
enum class CellKind {
    ItemList = 1, // an ellipsis button opening the items or table editor
    Choice = 2,   // a drop-down list of words
    Bitmap = 3,   // an ellipsis button opening the bitmap editor
    FreeText = 5, // typed in the cell
    Number = 6,   // typed in the cell
    ColorSet = 7, // an ellipsis button opening the picker colours, while there are any
};

// The cell kind of a row. Names are looked up as parts of the list texts, so
// any part of a listed name counts: "ForeColor" is a choice because
// "ObjSelectedForeColor" is one, and "Topic" is a number because
// "TopicWidth" is one. "Text" is tested first, to keep it out of the choices
// through "TextColor".
CellKind TipoCelda(const QString &name);

// Whether a typed value may be applied yet: number rows (by the same part
// test, "VisibleRows" and "SelectedRow" included) wait while the text is
// empty or a lone minus sign. Any other row takes any text.
bool ValorOK(const QString &name, const QString &value);

// The entries of a choice row and how many of them the opened list shows.
struct ChoiceList
{
    QStringList entries;
    int visibleRows = 8;
};

// The choices of row `name` for `object`, the sheet's subject; a choice row
// without a list of its own offers nothing.
ChoiceList choiceList(const QString &name, const DesignObject *object,
                      const DesignProject &project);

// "ShowForm": "(None)", then for every shown form in the application's window
// order its name (unless `object` lies directly on its screen) and, for an
// object outside dialogs, the names of its dialogs.
QStringList showFormTargets(const DesignObject &object, const DesignProject &project);

// "Trigger": "(None)", then the pop triggers lying beside `object`, in child
// order.
QStringList triggerEntries(const DesignObject &object);

} // namespace zf
