#include "gui/designer/InPlaceEditor.h"
#include "core/designer/FormHitTest.h"
#include "core/designer/Nudging.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignObject.h"
#include "core/model/DesignProject.h"
#include "gui/designer/FormView.h"

#include <QKeyEvent>

#include <algorithm>

namespace zf {

namespace {

// Room for a short caption even over a narrow control.
constexpr int kMinimumWidth = 80;

} // namespace

InPlaceEditor *InPlaceEditor::open(DesignForm &form, FormView &view,
                                   const std::optional<QString> &typed)
{
    const std::optional<InPlaceText> target = InPlaceTextOf(form);
    if (!target)
        return nullptr;
    auto *editor = new InPlaceEditor(form, view, *target);
    if (typed) {
        editor->setText(*typed);
    } else {
        editor->setText(target->value);
        editor->selectAll();
    }
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    return editor;
}

InPlaceEditor::InPlaceEditor(DesignForm &form, FormView &view, const InPlaceText &target)
    : QLineEdit(&view), m_form(form), m_view(view), m_target(target)
{
    setObjectName(QStringLiteral("edtInPlace"));
    placeOver(*target.object);
    // Space, Delete and the arrows belong to the text while it is typed.
    SwitchCursorKeysOff(form.project());
}

void InPlaceEditor::placeOver(const DesignObject &object)
{
    const QPoint origin = windowOrigin(object);
    const QPoint topLeft = m_view.widgetPoint(origin);
    const QPoint bottomRight = m_view.widgetPoint(origin + QPoint(object.width(), object.height()));
    QRect area(topLeft, bottomRight - QPoint(1, 1));
    const int height = sizeHint().height();
    area.setWidth(std::max(area.width(), kMinimumWidth));
    // Centred on the object, and kept inside the picture.
    area = QRect(area.left(), area.center().y() - height / 2, area.width(), height);
    area.moveLeft(std::clamp(area.left(), 0, std::max(0, m_view.width() - area.width())));
    area.moveTop(std::clamp(area.top(), 0, std::max(0, m_view.height() - area.height())));
    setGeometry(area);
}

void InPlaceEditor::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(true, true);
        return;
    case Qt::Key_Escape:
        finish(false, true);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void InPlaceEditor::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The editor's own context menu takes the keys for a while only.
    if (event->reason() != Qt::PopupFocusReason)
        finish(true, false);
}

void InPlaceEditor::finish(bool keep, bool refocus)
{
    if (m_finished)
        return;
    m_finished = true;
    hide();
    deleteLater();
    SwitchCursorKeysOn(m_form.project());
    if (refocus)
        m_view.setFocus(Qt::OtherFocusReason);
    // Last: a refused text is reported in a message box.
    if (keep)
        ApplyInPlaceText(m_form, m_target, text());
}

} // namespace zf
