#include "core/properties/PickerPreview.h"
#include "core/canvas/Canvas.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCSwitch.h"
#include "core/designer/FormRenderer.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTLabel.h"

namespace zf {

namespace {

// The year's arrows: a 6 x 11 triangle pointing right, and its mirror image.
const QString kRightArrow = QStringLiteral("80c0e0f0f8fcf8f0e0c080");
const QString kLeftArrow = QStringLiteral("040c1c3c7cfc7c3c1c0c04");

const QString kStandardFont = QStringLiteral("PilotStandard");
const QString kBoldFont = QStringLiteral("PilotBold");
const QString kLargeBoldFont = QStringLiteral("PilotBold12");

enum ColorRow {
    DialogFrame,
    DialogFill,
    ObjectFrame,
    ObjectFill,
    ObjectText,
    SelectedFill,
    SelectedText
};

// Adds the objects of a dialog; each takes the dialog's colour set.
class DialogBuilder
{
public:
    explicit DialogBuilder(TPTDialog &dialog) : m_dialog(dialog) {}

    template <typename T>
    T &add(int left, int top, int width, int height, const QString &font = kStandardFont)
    {
        auto object = std::make_unique<T>();
        object->setFontName(font);
        object->setBounds(left, top, width, height);
        object->setPalmForm(&m_dialog);
        return static_cast<T &>(*m_dialog.children().insert(std::move(object)));
    }

    TCCButton &button(int left, int top, int width, const QString &caption)
    {
        auto &b = add<TCCButton>(left, top, width, 12);
        b.setContent(caption);
        b.setRadius(2);
        return b;
    }

    // A pressed choice, drawn in the selected colours; an unpressed one in
    // the object colours.
    TCCSwitch &choice(int left, int top, int width, int height, const QString &caption,
                      bool pressed, int line = 1, const QString &font = kStandardFont)
    {
        auto &s = add<TCCSwitch>(left, top, width, height, font);
        s.setContent(caption);
        s.setState(pressed ? 1 : 0);
        s.setLine(line);
        return s;
    }

    TPTLabel &label(int left, int top, const QString &text, const QString &font = kStandardFont)
    {
        auto &l = add<TPTLabel>(left, top, 0, 0, font);
        l.setContent(text);
        return l;
    }

    void arrow(int left, int top, const QString &bits)
    {
        add<TCCBitmap>(left, top, 6, 11).setStringBits(bits);
    }

private:
    TPTDialog &m_dialog;
};

// January 2002, the 15th chosen.
void buildDatePicker(TPTDialog &dialog)
{
    dialog.setBounds(0, 0, 160, 160);
    DialogBuilder b(dialog);
    b.arrow(52, 17, kLeftArrow);
    TPTLabel &year = b.label(0, 17, QStringLiteral("2002"), kBoldFont);
    year.setLeft((160 - year.width()) / 2);
    b.arrow(102, 17, kRightArrow);

    const QStringList months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < months.size(); ++i) {
        const int left = 6 + (i % 6) * 25;
        const int top = i < 6 ? 31 : 45;
        if (i == 0)
            b.choice(left, top, 24, 12, months[i], true);
        else
            b.button(left, top, 24, months[i]);
    }

    const QStringList days = {"S", "M", "T", "W", "T", "F", "S"};
    const auto columnLeft = [](int column) { return 9 + column * 21; };
    for (int c = 0; c < days.size(); ++c)
        b.label(columnLeft(c) + 4, 60, days[c], kBoldFont);
    // The first of January 2002 is a Tuesday.
    for (int day = 1; day <= 31; ++day) {
        const int cell = day + 1;
        const int left = columnLeft(cell % 7);
        const int top = 72 + (cell / 7) * 12;
        const QString text = QString::number(day);
        if (day == 15)
            b.choice(left, top, 16, 12, text, true, 0);
        else
            b.label(left + (text.size() == 1 ? 5 : 2), top, text);
    }

    b.button(6, 144, 36, QStringLiteral("Cancel"));
    b.button(47, 144, 36, QStringLiteral("Today"));
}

// Twelve o'clock in the morning, the hour chosen.
void buildTimePicker(TPTDialog &dialog)
{
    dialog.setBounds(0, 0, 160, 74);
    DialogBuilder b(dialog);
    b.choice(14, 20, 30, 22, QStringLiteral("12"), true, 1, kLargeBoldFont);
    b.label(49, 24, QStringLiteral(":"), kLargeBoldFont);
    b.choice(58, 20, 30, 22, QStringLiteral("00"), false, 1, kLargeBoldFont);
    b.choice(104, 18, 24, 12, QStringLiteral("AM"), true);
    b.choice(104, 32, 24, 12, QStringLiteral("PM"), false);
    b.button(6, 58, 36, QStringLiteral("OK"));
    b.button(47, 58, 36, QStringLiteral("Cancel"));
}

} // namespace

const QStringList &dotColorNames()
{
    static const QStringList names = {
        QStringLiteral("DialogFrameColor"),     QStringLiteral("DialogFillColor"),
        QStringLiteral("ObjFrameColor"),        QStringLiteral("ObjFillColor"),
        QStringLiteral("ObjForeTextColor"),     QStringLiteral("ObjSelectedFillColor"),
        QStringLiteral("ObjSelectedForeColor"),
    };
    return names;
}

PickerPreview::PickerPreview(Kind kind) : m_kind(kind), m_dialog(std::make_unique<TPTDialog>())
{
    m_dialog->setTag(1); // a shown dialog
    m_dialog->setTitle(kind == Kind::Date ? QStringLiteral("Select Date")
                                          : QStringLiteral("Select Time"));
    if (kind == Kind::Date)
        buildDatePicker(*m_dialog);
    else
        buildTimePicker(*m_dialog);
}

PickerPreview::~PickerPreview() = default;

void PickerPreview::setTitle(const QString &title)
{
    m_dialog->setTitle(title);
}

void PickerPreview::applyColor(int row, PalmColor color)
{
    TPTDialog &d = *m_dialog;
    switch (row) {
    case DialogFrame:
        d.setColorDialogFrame(color);
        return;
    case DialogFill:
        d.setColorDialogFill(color);
        return;
    case ObjectFrame:
        d.setColorFrame(color);
        return;
    case ObjectFill:
        d.setColorFill(color);
        for (DesignObject *child : d.children()) {
            if (auto *button = objectCast<TCCButton>(child))
                button->setColorFill(color);
        }
        return;
    case ObjectText:
        d.setColorText(color);
        for (DesignObject *child : d.children()) {
            if (auto *button = objectCast<TCCButton>(child))
                button->setColorText(color);
            else if (auto *label = objectCast<TPTLabel>(child))
                label->setColorText(color);
            else if (auto *arrow = objectCast<TCCBitmap>(child))
                arrow->setColorFore(color);
        }
        return;
    case SelectedFill:
        d.setColorSelectedFill(color);
        return;
    case SelectedText:
        d.setColorSelectedFore(color);
        return;
    default:
        return;
    }
}

QImage PickerPreview::render() const
{
    QImage picture(m_dialog->bounds().size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    Canvas canvas(picture);
    paintTree(canvas, *m_dialog);
    return picture;
}

} // namespace zf
