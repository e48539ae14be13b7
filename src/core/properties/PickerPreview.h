#pragma once

#include "core/base/PalmColor.h"

#include <QImage>
#include <QStringList>

#include <memory>

namespace zf {

class TPTDialog;

// The names of the seven colours of a picker's `DOTColors` text, in the
// order the text holds them: dialog frame, dialog fill, object frame, object
// fill, object text, selected object fill, selected object text.
const QStringList &dotColorNames();

// A picture of the date or time picker that a Select box opens on the
// handheld, built from design objects so that it draws exactly as a dialog
// of the form would: a dialog with sample buttons, labels and arrows whose
// colours follow the seven picker colours.
class PickerPreview
{
public:
    enum class Kind { Date, Time };

    explicit PickerPreview(Kind kind);
    ~PickerPreview();
    PickerPreview(const PickerPreview &) = delete;
    PickerPreview &operator=(const PickerPreview &) = delete;

    Kind kind() const { return m_kind; }
    const TPTDialog &dialog() const { return *m_dialog; }
    void setTitle(const QString &title);

    // Colours the parts that colour `row` (an index into dotColorNames())
    // stands for; other rows change nothing.
    void applyColor(int row, PalmColor color);

    // The dialog at its own size, 160 x 160 for the date picker and
    // 160 x 74 for the time picker, in handheld pixels.
    QImage render() const;

private:
    Kind m_kind;
    std::unique_ptr<TPTDialog> m_dialog;
};

} // namespace zf
