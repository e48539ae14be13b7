#include "core/canvas/DevicePicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace zf {

namespace {

// Flat colours only (no smoothing), so the picture stays a small palette.
const QColor kBackdrop(0xC8, 0xC8, 0xC8);
const QColor kCase(0x4B, 0x52, 0x59);
const QColor kCaseLight(0x65, 0x6D, 0x75);
const QColor kCaseShadow(0x36, 0x3B, 0x40);
const QColor kBezel(0x23, 0x26, 0x2A);
const QColor kGlass(0xA9, 0xB8, 0xA2);
const QColor kPanel(0x2C, 0x30, 0x35);
const QColor kPrint(0xC9, 0xCF, 0xD4);
const QColor kPrintDim(0x8B, 0x93, 0x9B);
const QColor kButton(0x5E, 0x66, 0x6E);
const QColor kButtonTop(0x78, 0x81, 0x8A);
const QColor kButtonRim(0x2A, 0x2E, 0x33);

void line(QPainter &p, const QColor &color, int x1, int y1, int x2, int y2)
{
    p.setPen(color);
    p.drawLine(x1, y1, x2, y2);
}

void box(QPainter &p, const QColor &color, const QRect &rect)
{
    p.fillRect(rect, color);
}

// The case: square at the top, where the picture crops it above the screen,
// rounded at the bottom, lit from the left.
void drawCase(QPainter &p)
{
    p.fillRect(QRect(QPoint(0, 0), kDevicePictureSize), kBackdrop);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, -20, 167, 246), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(kCase);
    p.drawPath(outline);
    p.setBrush(Qt::NoBrush);
    line(p, kCaseLight, 0, 0, 0, 210);
    line(p, kCaseLight, 1, 0, 1, 208);
    line(p, kCaseShadow, 166, 0, 166, 210);
    line(p, kCaseShadow, 165, 0, 165, 212);
    line(p, kCaseShadow, 14, 225, 152, 225);
}

void drawScreen(QPainter &p)
{
    const QRect screen = kDeviceScreenRect;
    box(p, kBezel, screen.adjusted(-2, -2, 2, 2));
    box(p, kCaseShadow, screen.adjusted(-1, -1, 1, 1));
    box(p, kGlass, screen);
}

void drawHome(QPainter &p, int x, int y)
{
    p.setPen(kPrint);
    p.drawPolyline(QPolygon({QPoint(x, y + 6), QPoint(x + 6, y), QPoint(x + 12, y + 6)}));
    p.drawRect(x + 2, y + 6, 8, 6);
    box(p, kPrint, QRect(x + 5, y + 9, 3, 4));
}

void drawMenu(QPainter &p, int x, int y)
{
    p.setPen(kPrint);
    p.drawRect(x, y, 12, 12);
    box(p, kPrint, QRect(x, y, 13, 3));
    for (int row = 5; row <= 10; row += 2)
        line(p, kPrint, x + 2, y + row, x + 9, y + row);
}

void drawCalculator(QPainter &p, int x, int y)
{
    p.setPen(kPrint);
    p.drawRect(x + 1, y, 10, 13);
    box(p, kPrint, QRect(x + 3, y + 2, 7, 3));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            box(p, kPrint, QRect(x + 3 + col * 3, y + 6 + row * 2, 1, 1));
    }
}

void drawFind(QPainter &p, int x, int y)
{
    p.setPen(kPrint);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(x, y, 8, 8);
    line(p, kPrint, x + 7, y + 8, x + 11, y + 12);
    line(p, kPrint, x + 8, y + 8, x + 12, y + 12);
}

// The silk-screened writing area: the four soft buttons and the two boxes
// for letters and numbers.
void drawWritingArea(QPainter &p)
{
    box(p, kPanel, QRect(4, 166, 160, 34));
    line(p, kCaseShadow, 4, 165, 163, 165);

    drawHome(p, 9, 167);
    drawMenu(p, 9, 184);
    drawCalculator(p, 145, 167);
    drawFind(p, 146, 184);

    p.setPen(kPrint);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(29, 168, 109, 29), 3, 3);
    line(p, kPrint, 98, 169, 98, 196);
    // The little marks that tell the two halves apart.
    p.setPen(Qt::NoPen);
    p.setBrush(kPrintDim);
    p.drawPolygon(QPolygon({QPoint(95, 196), QPoint(98, 192), QPoint(101, 196)}));
    p.setBrush(Qt::NoBrush);
    for (int x = 33; x < 94; x += 4)
        box(p, kPrintDim, QRect(x, 193, 2, 1));
    for (int x = 103; x < 134; x += 4)
        box(p, kPrintDim, QRect(x, 193, 2, 1));
}

void drawAppButton(QPainter &p, int cx, int cy)
{
    const QRect face(cx - 12, cy - 8, 24, 16);
    p.setPen(kButtonRim);
    p.setBrush(kButton);
    p.drawEllipse(face);
    p.setPen(Qt::NoPen);
    p.setBrush(kButtonTop);
    p.drawEllipse(face.adjusted(3, 2, -3, -5));
    p.setBrush(Qt::NoBrush);
}

// Date book, address book, to-do list and memo pad, as small symbols.
void drawAppSymbols(QPainter &p, const int (&centres)[4], int cy)
{
    p.setPen(kPrint);
    // Calendar page.
    p.drawRect(centres[0] - 4, cy - 4, 8, 7);
    line(p, kPrint, centres[0] - 4, cy - 2, centres[0] + 4, cy - 2);
    // Telephone handset.
    line(p, kPrint, centres[1] - 4, cy - 3, centres[1] + 4, cy - 3);
    box(p, kPrint, QRect(centres[1] - 4, cy - 3, 2, 3));
    box(p, kPrint, QRect(centres[1] + 3, cy - 3, 2, 3));
    p.drawRect(centres[1] - 2, cy, 4, 3);
    // Tick.
    p.drawPolyline(QPolygon({QPoint(centres[2] - 4, cy), QPoint(centres[2] - 1, cy + 3),
                             QPoint(centres[2] + 4, cy - 3)}));
    // Lines of a memo.
    for (int row = -3; row <= 3; row += 2)
        line(p, kPrint, centres[3] - 4, cy + row, centres[3] + (row == 3 ? 1 : 4), cy + row);
}

void drawRocker(QPainter &p, int cx, int cy)
{
    p.setPen(kButtonRim);
    p.setBrush(kButton);
    p.drawRoundedRect(QRect(cx - 8, cy - 10, 16, 20), 6, 6);
    line(p, kButtonRim, cx - 6, cy, cx + 6, cy);
    p.setPen(Qt::NoPen);
    p.setBrush(kPrint);
    p.drawPolygon(QPolygon({QPoint(cx - 3, cy - 3), QPoint(cx, cy - 6), QPoint(cx + 3, cy - 3)}));
    p.drawPolygon(QPolygon({QPoint(cx - 3, cy + 3), QPoint(cx, cy + 6), QPoint(cx + 3, cy + 3)}));
    p.setBrush(Qt::NoBrush);
}

void drawHardwareButtons(QPainter &p)
{
    const int cy = 212;
    const int centres[4] = {21, 52, 115, 146};
    for (int cx : centres)
        drawAppButton(p, cx, cy);
    drawAppSymbols(p, centres, cy);
    drawRocker(p, 83, cy);
}

} // namespace

QImage devicePicture()
{
    QImage image(kDevicePictureSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawCase(p);
    drawScreen(p);
    drawWritingArea(p);
    drawHardwareButtons(p);
    p.end();
    return image;
}

} // namespace zf
