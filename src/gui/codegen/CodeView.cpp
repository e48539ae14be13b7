#include "gui/codegen/CodeView.h"
#include "gui/codegen/CodePage.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include <algorithm>

namespace zf {

CodeView::CodeView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFont(codeFont());
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void CodeView::setLines(const QStringList &lines)
{
    m_lines = lines;
    // The width is that of a fixed-pitch font: the longest line in characters.
    m_widest = 0;
    for (const QString &line : m_lines)
        m_widest = std::max(m_widest, int(line.size()));
    updateScrollBars();
    viewport()->update();
}

QString CodeView::text() const
{
    return m_lines.join(QLatin1Char('\n'));
}

int CodeView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int CodeView::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

void CodeView::setMarked(const Ranges &ranges)
{
    m_marked = ranges;
    // A view not shown yet has no height to scroll by: it scrolls when shown.
    m_revealPending = !ranges.empty();
    if (isVisible())
        reveal();
    viewport()->update();
}

void CodeView::reveal()
{
    if (!m_revealPending)
        return;
    m_revealPending = false;
    const int first = int(m_marked.front().first);
    const int shown = viewport()->height() / lineHeight();
    const int top = firstVisibleLine();
    if (first < top || first >= top + shown)
        verticalScrollBar()->setValue(std::max(0, first - shown / 4));
}

void CodeView::showEvent(QShowEvent *event)
{
    QAbstractScrollArea::showEvent(event);
    updateScrollBars();
    reveal();
}

void CodeView::updateScrollBars()
{
    const int shown = viewport()->height() / lineHeight();
    verticalScrollBar()->setRange(0, std::max(0, int(m_lines.size()) - shown));
    verticalScrollBar()->setPageStep(shown);
    const int charWidth = std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('m')));
    horizontalScrollBar()->setRange(0, std::max(0, m_widest * charWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(charWidth);
}

void CodeView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CodeView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const int height = lineHeight();
    const int first = firstVisibleLine();
    const int count = viewport()->height() / height + 2;
    const int left = 4 - horizontalScrollBar()->value();
    const QColor mark = palette().color(QPalette::Highlight).lighter(170);
    const int ascent = fontMetrics().ascent();
    for (int row = 0; row < count; ++row) {
        const qsizetype line = first + row;
        if (line >= m_lines.size())
            break;
        const QRect band(0, row * height, viewport()->width(), height);
        if (!band.intersects(event->rect()))
            continue;
        const bool marked = std::any_of(m_marked.begin(), m_marked.end(), [&](const auto &r) {
            return line >= r.first && line < r.second;
        });
        if (marked)
            painter.fillRect(band, mark);
        painter.drawText(left, row * height + ascent, m_lines.at(line));
    }
}

} // namespace zf
