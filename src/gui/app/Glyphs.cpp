#include "gui/app/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace zf {

namespace {

// A small palette shared by every glyph, so the toolbars read as one set.
const QColor kInk(0x37, 0x47, 0x4F);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kAccent(0x1E, 0x88, 0xE5);
const QColor kAccentLight(0xBB, 0xDE, 0xFB);
const QColor kWarm(0xF9, 0xA8, 0x25);
const QColor kGreen(0x43, 0xA0, 0x47);
const QColor kGuide(0xE5, 0x39, 0x35);

using Painter = std::function<void(QPainter &)>;

QIcon render(const Painter &paint)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(24 * scale, 24 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void page(QPainter &p, const QRectF &r, const QColor &fill = kPaper)
{
    QPainterPath path;
    const qreal fold = 5;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

// A little handheld: the mark of a form.
void handheld(QPainter &p, const QRectF &r)
{
    p.setBrush(kInk);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(kAccentLight);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(r.left() + 2, r.top() + 2, r.width() - 4, r.height() * 0.55));
    p.setPen(QPen(kInk, 1.2));
}

// A folder, a floppy, a star: the three actions of the file toolbar.
void folder(QPainter &p, const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + 2);
    path.lineTo(r.left() + r.width() * 0.4, r.top() + 2);
    path.lineTo(r.left() + r.width() * 0.5, r.top() + 4);
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    p.setBrush(kWarm);
    p.drawPath(path);
}

void floppy(QPainter &p, const QRectF &r)
{
    p.setBrush(kAccent);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + 3, r.top() + 1, r.width() - 6, r.height() * 0.35));
    p.setBrush(kAccentLight);
    p.drawRect(QRectF(r.left() + 4, r.bottom() - r.height() * 0.38, r.width() - 8,
                      r.height() * 0.38 - 1));
}

void spark(QPainter &p, const QPointF &c)
{
    p.save();
    p.setPen(QPen(kGreen, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-3.5, 0), c + QPointF(3.5, 0));
    p.drawLine(c + QPointF(0, -3.5), c + QPointF(0, 3.5));
    p.restore();
}

void box(QPainter &p, const QRectF &r, const QColor &fill)
{
    p.setBrush(fill);
    p.drawRect(r);
}

void guide(QPainter &p, const QLineF &line)
{
    p.save();
    p.setPen(QPen(kGuide, 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(line);
    p.restore();
}

void arrowHead(QPainter &p, const QPointF &tip, const QPointF &direction)
{
    const QPointF d = direction / std::hypot(direction.x(), direction.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip - d * 3.5 + n * 2.5);
    path.lineTo(tip - d * 3.5 - n * 2.5);
    path.closeSubpath();
    p.save();
    p.setBrush(p.pen().color());
    p.drawPath(path);
    p.restore();
}

void curvedArrow(QPainter &p, bool forward)
{
    QPainterPath path;
    const qreal s = forward ? 1 : -1;
    const QPointF start(12 - s * 7, 16);
    path.moveTo(start);
    path.cubicTo(QPointF(12 - s * 7, 6), QPointF(12 + s * 6, 5), QPointF(12 + s * 6, 12));
    p.save();
    p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    arrowHead(p, QPointF(12 + s * 6, 15), QPointF(0, 1));
    p.restore();
}

void drawGlyph(QPainter &p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::NewProject:
        folder(p, QRectF(2.5, 5.5, 16, 13));
        spark(p, QPointF(18, 6));
        break;
    case Glyph::OpenProject:
        folder(p, QRectF(2.5, 5.5, 19, 14));
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 9.5, 11, 7));
        break;
    case Glyph::SaveProject:
        folder(p, QRectF(2.5, 3.5, 15, 12));
        floppy(p, QRectF(11.5, 11.5, 10, 10));
        break;
    case Glyph::NewForm:
        handheld(p, QRectF(4.5, 3.5, 11, 17));
        spark(p, QPointF(18, 6));
        break;
    case Glyph::OpenForm:
        folder(p, QRectF(2.5, 9.5, 19, 12));
        handheld(p, QRectF(8.5, 2.5, 8, 12));
        break;
    case Glyph::SaveForm:
        handheld(p, QRectF(3.5, 2.5, 10, 16));
        floppy(p, QRectF(11.5, 11.5, 10, 10));
        break;
    case Glyph::Cut:
        p.drawEllipse(QPointF(7, 18), 3, 3);
        p.drawEllipse(QPointF(17, 18), 3, 3);
        p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 15.5), QPointF(16, 3));
        p.drawLine(QPointF(15.5, 15.5), QPointF(8, 3));
        break;
    case Glyph::Copy:
        page(p, QRectF(3.5, 3.5, 11, 14), kAccentLight);
        page(p, QRectF(9.5, 7.5, 11, 14));
        break;
    case Glyph::Paste:
        p.setBrush(kWarm);
        p.drawRoundedRect(QRectF(4.5, 4.5, 13, 16), 1.5, 1.5);
        p.setBrush(kInk);
        p.drawRect(QRectF(8.5, 2.5, 5, 4));
        page(p, QRectF(10.5, 9.5, 10, 12));
        break;
    case Glyph::Undo:
        curvedArrow(p, false);
        break;
    case Glyph::Redo:
        curvedArrow(p, true);
        break;
    case Glyph::GenerateCode: {
        page(p, QRectF(4.5, 2.5, 15, 19));
        QFont font = p.font();
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kAccent);
        p.drawText(QRectF(4.5, 7, 15, 12), Qt::AlignCenter, QStringLiteral("{ }"));
        break;
    }
    case Glyph::AlignLeft:
        guide(p, QLineF(4, 3, 4, 21));
        box(p, QRectF(4.5, 5.5, 15, 5), kAccentLight);
        box(p, QRectF(4.5, 13.5, 9, 5), kAccent);
        break;
    case Glyph::AlignRight:
        guide(p, QLineF(20, 3, 20, 21));
        box(p, QRectF(4.5, 5.5, 15, 5), kAccentLight);
        box(p, QRectF(10.5, 13.5, 9, 5), kAccent);
        break;
    case Glyph::AlignTop:
        guide(p, QLineF(3, 4, 21, 4));
        box(p, QRectF(5.5, 4.5, 5, 15), kAccentLight);
        box(p, QRectF(13.5, 4.5, 5, 9), kAccent);
        break;
    case Glyph::AlignBottom:
        guide(p, QLineF(3, 20, 21, 20));
        box(p, QRectF(5.5, 4.5, 5, 15), kAccentLight);
        box(p, QRectF(13.5, 10.5, 5, 9), kAccent);
        break;
    case Glyph::SameWidth:
        box(p, QRectF(4.5, 4.5, 15, 5), kAccentLight);
        box(p, QRectF(4.5, 12.5, 15, 5), kAccent);
        guide(p, QLineF(4, 21, 20, 21));
        break;
    case Glyph::SameHeight:
        box(p, QRectF(4.5, 4.5, 5, 15), kAccentLight);
        box(p, QRectF(12.5, 4.5, 5, 15), kAccent);
        guide(p, QLineF(21, 4, 21, 20));
        break;
    case Glyph::CenterHorizontally:
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        guide(p, QLineF(12, 5, 12, 19));
        box(p, QRectF(7.5, 9.5, 9, 6), kAccent);
        break;
    case Glyph::CenterVertically:
        p.drawRect(QRectF(4.5, 2.5, 15, 19));
        guide(p, QLineF(5, 12, 19, 12));
        box(p, QRectF(9.5, 7.5, 6, 9), kAccent);
        break;
    case Glyph::SpaceHorizontally:
        for (const qreal x : {2.5, 9.5, 16.5})
            box(p, QRectF(x, 8.5, 5, 8), kAccent);
        guide(p, QLineF(2, 20, 22, 20));
        break;
    case Glyph::SpaceVertically:
        for (const qreal y : {2.5, 9.5, 16.5})
            box(p, QRectF(8.5, y, 8, 5), kAccent);
        guide(p, QLineF(20, 2, 20, 22));
        break;
    case Glyph::FitToText: {
        // A box closing in on its text from both sides.
        box(p, QRectF(6.5, 6.5, 11, 11), kAccentLight);
        QFont font = p.font();
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(6.5, 6.5, 11, 11), Qt::AlignCenter, QStringLiteral("ab"));
        guide(p, QLineF(1, 12, 5, 12));
        guide(p, QLineF(19, 12, 23, 12));
        break;
    }
    case Glyph::Application:
        handheld(p, QRectF(5.5, 1.5, 13, 21));
        p.setPen(QPen(kAccent, 1.4));
        p.drawLine(QPointF(9, 6), QPointF(15, 6));
        p.drawRect(QRectF(9, 8.5, 6, 3));
        break;
    }
}

void drawKind(QPainter &p, ControlKind kind)
{
    QFont font = p.font();
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::Select:
        p.setBrush(kind == ControlKind::Button ? kAccentLight : kPaper);
        p.drawRoundedRect(QRectF(2.5, 6.5, 19, 11), 3.5, 3.5);
        if (kind == ControlKind::Select) {
            p.drawLine(QPointF(6, 14.5), QPointF(18, 14.5));
            p.drawText(QRectF(2.5, 5, 19, 10), Qt::AlignCenter, QStringLiteral("..."));
        } else {
            p.drawText(QRectF(2.5, 6.5, 19, 11), Qt::AlignCenter, QStringLiteral("OK"));
        }
        break;
    case ControlKind::Push:
    case ControlKind::Switch:
        p.setBrush(kInk);
        p.drawRoundedRect(QRectF(2.5, 6.5, 19, 11), 2, 2);
        p.setPen(kPaper);
        p.drawText(QRectF(2.5, 6.5, 19, 11), Qt::AlignCenter,
                   kind == ControlKind::Push ? QStringLiteral("ON") : QStringLiteral("1|0"));
        break;
    case ControlKind::Label:
        font.setPixelSize(13);
        font.setBold(false);
        p.setFont(font);
        p.drawText(QRectF(0, 2, 24, 20), Qt::AlignCenter, QStringLiteral("Ab"));
        break;
    case ControlKind::Edit:
    case ControlKind::Field:
    case ControlKind::EditLine:
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 6.5, 19, 11));
        p.setPen(QPen(kAccent, 1.4));
        p.drawLine(QPointF(6, 9), QPointF(6, 15));
        if (kind == ControlKind::EditLine)
            p.drawLine(QPointF(9, 15), QPointF(19, 15));
        else
            p.drawText(QRectF(8, 6.5, 13, 11), Qt::AlignVCenter, QStringLiteral("ab"));
        break;
    case ControlKind::CheckBox:
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 4.5, 15, 15));
        p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(8, 12), QPointF(11, 15.5), QPointF(17, 8)}));
        break;
    case ControlKind::PopTrigger:
    case ControlKind::PopUp:
    case ControlKind::DropDown: {
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 7.5, 19, 9));
        QPainterPath triangle;
        const qreal x = kind == ControlKind::DropDown ? 16 : 5;
        triangle.moveTo(x, 10.5);
        triangle.lineTo(x + 4, 10.5);
        triangle.lineTo(x + 2, 13.5);
        triangle.closeSubpath();
        p.setBrush(kInk);
        p.drawPath(triangle);
        if (kind == ControlKind::PopUp) {
            p.setBrush(kAccentLight);
            p.drawRect(QRectF(9.5, 16.5, 12, 6));
        }
        break;
    }
    case ControlKind::ListBox:
    case ControlKind::List:
        p.setBrush(kPaper);
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRect(QRectF(4, 9, 16, 5));
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(6, 6.5), QPointF(16, 6.5));
        p.drawLine(QPointF(6, 17.5), QPointF(14, 17.5));
        break;
    case ControlKind::Radio:
        for (const qreal y : {6.0, 14.0}) {
            p.setBrush(kPaper);
            p.drawEllipse(QPointF(7, y + 2), 3.5, 3.5);
            p.drawLine(QPointF(13, y + 2), QPointF(21, y + 2));
        }
        p.setBrush(kAccent);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(7, 8), 1.8, 1.8);
        break;
    case ControlKind::Menu:
        p.setBrush(kInk);
        p.drawRect(QRectF(2.5, 3.5, 9, 5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 8.5, 15, 12));
        p.drawLine(QPointF(5, 12.5), QPointF(14, 12.5));
        p.drawLine(QPointF(5, 16.5), QPointF(12, 16.5));
        break;
    case ControlKind::MenuBar:
        p.setBrush(kInk);
        p.drawRect(QRectF(2.5, 6.5, 19, 6));
        break;
    case ControlKind::Image:
    case ControlKind::Bitmap:
        p.setBrush(kPaper);
        p.drawRect(QRectF(3.5, 4.5, 17, 15));
        p.setBrush(kInk);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                if ((x + y) % 2 == 0)
                    p.drawRect(QRectF(6 + x * 3, 8 + y * 3, 3, 3));
            }
        }
        break;
    case ControlKind::Table:
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setBrush(kAccentLight);
        p.drawRect(QRectF(2.5, 4.5, 19, 4));
        p.drawLine(QPointF(9, 4.5), QPointF(9, 19.5));
        p.drawLine(QPointF(15.5, 4.5), QPointF(15.5, 19.5));
        p.drawLine(QPointF(2.5, 13.5), QPointF(21.5, 13.5));
        break;
    case ControlKind::Dialog:
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 2, 2);
        p.setBrush(kInk);
        p.drawRect(QRectF(2.5, 4.5, 19, 4));
        break;
    case ControlKind::Gsi: {
        QPainterPath arrow;
        arrow.moveTo(12, 3);
        arrow.lineTo(19, 11);
        arrow.lineTo(15, 11);
        arrow.lineTo(15, 20);
        arrow.lineTo(9, 20);
        arrow.lineTo(9, 11);
        arrow.lineTo(5, 11);
        arrow.closeSubpath();
        p.setBrush(kAccent);
        p.drawPath(arrow);
        break;
    }
    }
}

} // namespace

QIcon glyphIcon(Glyph glyph)
{
    return render([glyph](QPainter &p) { drawGlyph(p, glyph); });
}

QIcon kindIcon(ControlKind kind)
{
    return render([kind](QPainter &p) { drawKind(p, kind); });
}

} // namespace zf
