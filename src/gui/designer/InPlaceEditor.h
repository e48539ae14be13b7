#pragma once

#include "core/properties/InPlaceText.h"

#include <QLineEdit>

#include <optional>

namespace zf {

class DesignForm;
class FormView;

// The line editor a design window opens over the selected object to type the
// text the object shows (core/properties/InPlaceText.h). Enter, or the keys
// going elsewhere, keeps the text; Escape drops it. Either way the editor
// closes, and the arrow keys act on the design surface again.
class InPlaceEditor : public QLineEdit
{
    Q_OBJECT

public:
    // Opens over `view` on the form's in-place target: with `typed` in place
    // of the text, or with the whole text selected when nothing was typed.
    // Null when the form offers no text to edit.
    static InPlaceEditor *open(DesignForm &form, FormView &view,
                               const std::optional<QString> &typed);
    // False from the moment it closes, before it is deleted.
    bool isOpen() const { return !m_finished; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    InPlaceEditor(DesignForm &form, FormView &view, const InPlaceText &target);
    void placeOver(const DesignObject &object);
    // `keep`: the text is applied; `refocus`: the picture takes the keys back.
    void finish(bool keep, bool refocus);

    DesignForm &m_form;
    FormView &m_view;
    InPlaceText m_target;
    bool m_finished = false;
};

} // namespace zf
