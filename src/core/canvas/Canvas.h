#pragma once

#include "core/base/PalmColor.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <span>

namespace zf {

class BitmapFont;

// What GetPixel answers for a point outside the clip: no colour at all.
inline constexpr PalmColor kInvalidPalmColor = 0xFFFFFFFFu;

// A raster surface with the drawing rules of the handheld tools' desktop
// canvas, so that every control comes out pixel for pixel as it does there.
//
// Coordinates are integer pixels relative to the current origin; everything
// is clipped to the current clip rectangle (and the image). Pixels are
// addressed by their top-left corner, and shapes follow the classic raster
// rules of a desktop GDI:
//
//  - fillRect(left, top, right, bottom): right column and bottom row excluded.
//  - line(x1, y1, x2, y2) and polyline: the last point is not drawn. A line
//    steps along its longer axis; where it passes exactly half-way between two
//    pixels of the shorter axis, the one with the smaller coordinate is taken,
//    whatever the direction of the line.
//  - polygon: the inside is filled with the brush first (even-odd rule; a
//    pixel is inside when its corner point lies inside the figure, points on
//    left and top edges count, on right and bottom edges do not), then the
//    closed outline is drawn with the pen, every vertex included. A clear pen
//    draws no outline, so a clear-pen polygon covers one pixel less at its
//    right and bottom; a clear brush fills nothing. Two points make a line
//    that includes both ends.
//  - textOut(x, y, text): the text's top-left corner at (x, y), glyph pixels in
//    the font colour, the background left as it is.
//
// The canvas paints straight into an RGB32 (or ARGB32) image it does not own;
// the image must not be resized, copied on write or destroyed while a canvas
// uses it.
//
// Painting a control inside its form, in the control's own coordinates:
//
//     Canvas canvas(image);
//     CanvasScope screen(canvas, kDeviceScreenRect); // the form's screen
//     CanvasScope control(canvas, controlRect);      // in screen coordinates
//     canvas.fillRect(0, 0, w, h, background);
//     canvas.setPen(kPalmBlack);
//     canvas.setClearBrush();
//     canvas.polygon({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
//     canvas.setFont(QStringLiteral("PilotBold"));
//     canvas.textOut(2, 1, caption);
class Canvas
{
public:
    struct Pen
    {
        PalmColor color = kPalmBlack;
        bool clear = false;
    };
    struct Brush
    {
        PalmColor color = kPalmWhite;
        bool clear = false;
    };

    // A 32-bit image; other formats are converted to RGB32 first.
    explicit Canvas(QImage &image);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Where the local (0, 0) lies in the image.
    QPoint origin() const { return {m_state.originX, m_state.originY}; }
    // The clip in local coordinates.
    QRect clipRect() const;
    // Moves the origin by (dx, dy); the clip stays where it is on the image.
    void translate(int dx, int dy);
    // Narrows the clip to its intersection with rect (local coordinates); a
    // rect without area leaves nothing to paint.
    void intersectClip(const QRect &rect);
    // Whether nothing drawn now can show.
    bool isClipEmpty() const;

    // Pen, brush, font.
    void setPen(PalmColor color) { m_state.pen = {color, false}; }
    void setClearPen() { m_state.pen.clear = true; }
    const Pen &pen() const { return m_state.pen; }
    void setBrush(PalmColor color) { m_state.brush = {color, false}; }
    void setClearBrush() { m_state.brush.clear = true; }
    const Brush &brush() const { return m_state.brush; }
    // By name; an unknown name gives the standard face (see palmFont()).
    void setFont(const QString &name);
    void setFont(const BitmapFont &font) { m_state.font = &font; }
    // The screen's font, "PalmText9", until another is chosen.
    const BitmapFont &font() const;
    void setFontColor(PalmColor color) { m_state.fontColor = color; }
    PalmColor fontColor() const { return m_state.fontColor; }

    // Filled with the brush, or with an explicit colour (right/bottom excluded).
    void fillRect(int left, int top, int right, int bottom);
    void fillRect(int left, int top, int right, int bottom, PalmColor color);

    void polygon(std::span<const QPoint> points);
    void polygon(std::initializer_list<QPoint> points) { polygon(asSpan(points)); }
    void polyline(std::span<const QPoint> points);
    void polyline(std::initializer_list<QPoint> points) { polyline(asSpan(points)); }
    void line(int x1, int y1, int x2, int y2);

    void setPixel(int x, int y, PalmColor color)
    {
        plot(x + m_state.originX, y + m_state.originY, palmToRgb(color));
    }
    // kInvalidPalmColor outside the clip.
    PalmColor pixel(int x, int y) const;

    void textOut(int x, int y, const QString &text);
    int textWidth(const QString &text) const;
    int textHeight(const QString &text) const;

private:
    friend class CanvasScope;

    struct State
    {
        int originX = 0, originY = 0;
        int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
        Pen pen;
        Brush brush;
        const BitmapFont *font = nullptr;
        PalmColor fontColor = kPalmBlack;
    };

    static std::span<const QPoint> asSpan(std::initializer_list<QPoint> points)
    {
        return {points.begin(), points.size()};
    }
    // Image coordinates from here on.
    void span(int y, int x1, int x2, QRgb rgb);
    void plot(int x, int y, QRgb rgb)
    {
        if (x >= m_state.clipLeft && x < m_state.clipRight && y >= m_state.clipTop &&
            y < m_state.clipBottom)
            m_bits[qsizetype(y) * m_stride + x] = rgb;
    }
    void rasterLine(qint64 x1, qint64 y1, qint64 x2, qint64 y2, QRgb rgb);
    void fillPolygon(std::span<const QPoint> points, QRgb rgb);

    QRgb *m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_width = 0, m_height = 0;
    State m_state; // clip in image coordinates, right and bottom excluded
};

// Paints a child object in its own coordinates: for its lifetime the origin
// moves to rect's top-left corner and the clip narrows to rect (given in the
// canvas's current coordinates), so the child can neither draw outside itself
// nor outside its container. Pen, brush, font and font colour are restored on
// leaving too, so a child's settings never leak to the next sibling.
class CanvasScope
{
public:
    CanvasScope(Canvas &canvas, const QRect &rect);
    ~CanvasScope();
    CanvasScope(const CanvasScope &) = delete;
    CanvasScope &operator=(const CanvasScope &) = delete;

private:
    Canvas &m_canvas;
    Canvas::State m_saved;
};

} // namespace zf
