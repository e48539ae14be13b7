#pragma once

#include <QAbstractScrollArea>
#include <QStringList>

#include <utility>
#include <vector>

namespace zf {

// A read-only view of one generated text that takes any length at once:
// it keeps the lines as they are and paints only those in sight, so a new
// text of a hundred thousand lines shows as fast as one of ten. Marked
// lines (those of the selected object) have a background of their own.
class CodeView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    using Ranges = std::vector<std::pair<qsizetype, qsizetype>>;

    explicit CodeView(QWidget *parent = nullptr);

    void setLines(const QStringList &lines);
    const QStringList &lines() const { return m_lines; }
    // The text as a file holds it, lines joined by line breaks.
    QString text() const;

    // Marks the stretches [first, end) of lines and scrolls the first of
    // them into sight unless it is there already.
    void setMarked(const Ranges &ranges);
    const Ranges &marked() const { return m_marked; }
    int firstVisibleLine() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void updateScrollBars();
    void reveal();
    int lineHeight() const;

    QStringList m_lines;
    Ranges m_marked;
    int m_widest = 0; // characters of the longest line
    bool m_revealPending = false;
};

} // namespace zf
