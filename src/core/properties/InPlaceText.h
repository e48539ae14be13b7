#pragma once

#include <QString>

#include <optional>

namespace zf {

class DesignForm;
class DesignObject;

// Typing on the design surface. With one object of a form selected that
// shows a text on the handheld (a caption, a menu's topic, a dialog's
// title), the design window opens a line editor over it, so a control is
// named in the words users see without a trip to the property sheet.
struct InPlaceText
{
    DesignObject *object;
    QString row; // the property row that holds the text
    QString value;
};

// What typing on `form`'s design window edits: the selected object when it
// is selected alone, lies on `form` and shows a text; nullopt otherwise.
std::optional<InPlaceText> InPlaceTextOf(DesignForm &form);

// Replaces the text `target` was opened on, as the property sheet's cell
// would: one undo step, under the row's rules, a refusal reported. Nothing
// happens when the form no longer offers the same object and row (an undo
// took it away meanwhile) or the text is unchanged.
void ApplyInPlaceText(DesignForm &form, const InPlaceText &target, const QString &text);

} // namespace zf
