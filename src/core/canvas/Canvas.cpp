#include "core/canvas/Canvas.h"

#include "core/base/Saturating.h"
#include "core/canvas/BitmapFont.h"
#include "core/canvas/PalmFonts.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zf {

namespace {

// ceil(a / b) for b > 0.
int ceilDiv(long long a, long long b)
{
    return int(a >= 0 ? (a + b - 1) / b : -((-a) / b));
}

// Whole rows of the screen are filled on every redraw; two pixels per store
// keep that cheap where the compiler does not vectorise on its own.
void fillPixels(QRgb *dst, int count, QRgb rgb)
{
    const std::uint64_t pair = (std::uint64_t(rgb) << 32) | rgb;
    for (int i = 0; i + 1 < count; i += 2)
        std::memcpy(dst + i, &pair, sizeof pair);
    if (count & 1)
        dst[count - 1] = rgb;
}

} // namespace

Canvas::Canvas(QImage &image)
{
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_RGB32);
    m_width = image.width();
    m_height = image.height();
    m_bits = reinterpret_cast<QRgb *>(image.bits());
    m_stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    m_state.clipRight = m_width;
    m_state.clipBottom = m_height;
}

QRect Canvas::clipRect() const
{
    return QRect(
        QPoint(m_state.clipLeft - m_state.originX, m_state.clipTop - m_state.originY),
        QPoint(m_state.clipRight - 1 - m_state.originX, m_state.clipBottom - 1 - m_state.originY));
}

void Canvas::translate(int dx, int dy)
{
    m_state.originX = saturate(qint64(m_state.originX) + dx);
    m_state.originY = saturate(qint64(m_state.originY) + dy);
}

void Canvas::intersectClip(const QRect &rect)
{
    // A control can be dragged to no size at all, or less: nothing shows.
    if (rect.width() <= 0 || rect.height() <= 0) {
        m_state.clipRight = m_state.clipLeft;
        m_state.clipBottom = m_state.clipTop;
        return;
    }
    // A control may lie near either end of the int range: its edges are
    // taken in 64 bits and only what falls inside the current clip is kept.
    const qint64 left = qint64(rect.x()) + m_state.originX;
    const qint64 top = qint64(rect.y()) + m_state.originY;
    const int clipRight = m_state.clipRight;
    const int clipBottom = m_state.clipBottom;
    m_state.clipLeft = int(std::clamp<qint64>(left, m_state.clipLeft, clipRight));
    m_state.clipTop = int(std::clamp<qint64>(top, m_state.clipTop, clipBottom));
    m_state.clipRight = int(std::clamp<qint64>(left + rect.width(), m_state.clipLeft, clipRight));
    m_state.clipBottom = int(std::clamp<qint64>(top + rect.height(), m_state.clipTop, clipBottom));
}

bool Canvas::isClipEmpty() const
{
    return m_state.clipLeft >= m_state.clipRight || m_state.clipTop >= m_state.clipBottom;
}

void Canvas::setFont(const QString &name)
{
    m_state.font = &palmFont(name);
}

const BitmapFont &Canvas::font() const
{
    return m_state.font ? *m_state.font : palmFont(QStringLiteral("PalmText9"));
}

void Canvas::span(int y, int x1, int x2, QRgb rgb)
{
    if (y < m_state.clipTop || y >= m_state.clipBottom)
        return;
    x1 = std::max(x1, m_state.clipLeft);
    x2 = std::min(x2, m_state.clipRight);
    if (x1 < x2)
        fillPixels(m_bits + qsizetype(y) * m_stride + x1, x2 - x1, rgb);
}

void Canvas::fillRect(int left, int top, int right, int bottom)
{
    if (!m_state.brush.clear)
        fillRect(left, top, right, bottom, m_state.brush.color);
}

void Canvas::fillRect(int left, int top, int right, int bottom, PalmColor color)
{
    const QRgb rgb = palmToRgb(color);
    const int y1 = std::max(top + m_state.originY, m_state.clipTop);
    const int y2 = std::min(bottom + m_state.originY, m_state.clipBottom);
    for (int y = y1; y < y2; ++y)
        span(y, left + m_state.originX, right + m_state.originX, rgb);
}

void Canvas::rasterLine(qint64 x1, qint64 y1, qint64 x2, qint64 y2, QRgb rgb)
{
    // Bresenham along the longer axis. A tie (the exact line half-way between
    // two pixels) goes to the smaller coordinate of the shorter axis: the
    // decision "step when err > 0" keeps the start's coordinate on a tie, so
    // lines running towards the larger coordinate never step on a tie, and
    // those running towards the smaller one always do.
    if (std::max(x1, x2) < m_state.clipLeft || std::min(x1, x2) >= m_state.clipRight ||
        std::max(y1, y2) < m_state.clipTop || std::min(y1, y2) >= m_state.clipBottom)
        return;
    const qint64 dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const qint64 major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const int majorStep = xMajor ? sx : sy, minorStep = xMajor ? sy : sx;
    const int bias = minorStep < 0 ? 1 : 0;

    // A control may be billions of pixels long: only the steps whose major
    // coordinate lies inside the clip are walked, starting with the minor
    // coordinate and the error the skipped steps would have reached. Before
    // step i the line has stepped k = ceil((2 minor i - major + bias) /
    // (2 major)) times along the minor axis; 128 bits hold the products.
    const qint64 majorStart = xMajor ? x1 : y1;
    const qint64 clipLow = xMajor ? m_state.clipLeft : m_state.clipTop;
    const qint64 clipHigh = (xMajor ? m_state.clipRight : m_state.clipBottom) - 1;
    const qint64 first =
        std::max<qint64>(0, majorStep > 0 ? clipLow - majorStart : majorStart - clipHigh);
    const qint64 last =
        std::min<qint64>(major - 1, majorStep > 0 ? clipHigh - majorStart : majorStart - clipLow);
    if (first > last)
        return;
    using Wide = __int128;
    const Wide twiceMajor = Wide(2) * major;
    const Wide before = Wide(2) * minor * first - major + bias;
    const qint64 steps = before > 0 ? qint64((before + twiceMajor - 1) / twiceMajor) : 0;
    long long err = (long long)(Wide(2) * minor * (first + 1) - major - twiceMajor * steps);

    qint64 along = majorStart + majorStep * first;
    qint64 across = (xMajor ? y1 : x1) + minorStep * steps;
    for (qint64 i = first; i <= last; ++i) {
        const qint64 x = xMajor ? along : across, y = xMajor ? across : along;
        if (y >= m_state.clipTop && y < m_state.clipBottom && x >= m_state.clipLeft &&
            x < m_state.clipRight)
            plot(int(x), int(y), rgb);
        if (err + bias > 0) {
            across += minorStep;
            err -= 2LL * major;
        }
        err += 2LL * minor;
        along += majorStep;
    }
}

void Canvas::line(int x1, int y1, int x2, int y2)
{
    if (m_state.pen.clear)
        return;
    rasterLine(qint64(x1) + m_state.originX, qint64(y1) + m_state.originY,
               qint64(x2) + m_state.originX, qint64(y2) + m_state.originY,
               palmToRgb(m_state.pen.color));
}

void Canvas::polyline(std::span<const QPoint> points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y());
}

void Canvas::fillPolygon(std::span<const QPoint> points, QRgb rgb)
{
    // Sample each pixel at its corner point, even-odd. An edge covers the rows
    // from its upper end up to, not including, its lower end, and a span runs
    // from the ceiling of its left crossing to before the ceiling of its right
    // one: left and top edges are inside, right and bottom edges are not.
    const std::size_t n = points.size();
    int top = points[0].y(), bottom = points[0].y();
    for (const QPoint &p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    top = std::max(top + m_state.originY, m_state.clipTop) - m_state.originY;
    bottom = std::min(bottom + m_state.originY, m_state.clipBottom) - m_state.originY;

    std::vector<int> crossings;
    crossings.reserve(n);
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const QPoint &a = points[i];
            const QPoint &b = points[(i + 1) % n];
            if (a.y() == b.y())
                continue;
            const QPoint &upper = a.y() < b.y() ? a : b;
            const QPoint &lower = a.y() < b.y() ? b : a;
            if (y < upper.y() || y >= lower.y())
                continue;
            const long long num = (long long)(y - upper.y()) * (lower.x() - upper.x());
            crossings.push_back(upper.x() + ceilDiv(num, lower.y() - upper.y()));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            span(y + m_state.originY, crossings[i] + m_state.originX,
                 crossings[i + 1] + m_state.originX, rgb);
    }
}

void Canvas::polygon(std::span<const QPoint> points)
{
    if (points.size() < 2)
        return;
    if (!m_state.brush.clear && points.size() > 2)
        fillPolygon(points, palmToRgb(m_state.brush.color));
    if (m_state.pen.clear)
        return;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPoint &a = points[i];
        const QPoint &b = points[(i + 1) % points.size()];
        line(a.x(), a.y(), b.x(), b.y());
    }
}

PalmColor Canvas::pixel(int x, int y) const
{
    x += m_state.originX;
    y += m_state.originY;
    if (x < m_state.clipLeft || x >= m_state.clipRight || y < m_state.clipTop ||
        y >= m_state.clipBottom)
        return kInvalidPalmColor;
    return rgbToPalm(m_bits[qsizetype(y) * m_stride + x]);
}

void Canvas::textOut(int x, int y, const QString &text)
{
    const BitmapFont &font = this->font();
    const QRgb rgb = palmToRgb(m_state.fontColor);
    const std::uint64_t *rows = font.rows().data();
    // In 64 bits: a text far off the picture must not wrap around into it.
    qint64 penX = qint64(x) + m_state.originX;
    const qint64 lineTop = qint64(y) + m_state.originY;
    const int clipLeft = m_state.clipLeft, clipRight = m_state.clipRight;
    const int clipTop = m_state.clipTop, clipBottom = m_state.clipBottom;

    font.forEachGlyph(text, [&](const BitmapFont::Glyph &glyph) {
        const qint64 gx = penX + glyph.left;
        const qint64 top = lineTop + glyph.top;
        penX += glyph.advance;
        const qint64 firstRow = std::max<qint64>(0, clipTop - top);
        const qint64 lastRow = std::min<qint64>(glyph.rowCount, clipBottom - top);
        // Whole rows inside the clip need no test per pixel.
        const bool inside = gx >= clipLeft && gx + glyph.width <= clipRight;
        for (qint64 r = firstRow; r < lastRow; ++r) {
            std::uint64_t bits = rows[glyph.firstRow + r];
            const qsizetype rowStart = qsizetype(top + r) * m_stride;
            while (bits) {
                const qint64 x = gx + std::countr_zero(bits);
                bits &= bits - 1;
                if (inside || (x >= clipLeft && x < clipRight))
                    m_bits[rowStart + x] = rgb;
            }
        }
    });
}

int Canvas::textWidth(const QString &text) const
{
    return font().textWidth(text);
}

int Canvas::textHeight(const QString &text) const
{
    return font().textHeight(text);
}

CanvasScope::CanvasScope(Canvas &canvas, const QRect &rect)
    : m_canvas(canvas), m_saved(canvas.m_state)
{
    canvas.intersectClip(rect);
    canvas.translate(rect.x(), rect.y());
}

CanvasScope::~CanvasScope()
{
    m_canvas.m_state = m_saved;
}

} // namespace zf
