#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zf {

// The fixed-pitch font generated code is shown in.
QFont codeFont();

// One page of the generate window: a generated text in an editable
// monospaced memo, its "&Copy" button and its two counters. The memo holds
// the text line for line as it is written to its file.
class CodePage : public QWidget
{
    Q_OBJECT

public:
    // `name` ("Main", "Forms", ...) names the page's widgets: memMain,
    // butCopyMain, lblMainLines, lblMainChars.
    explicit CodePage(const QString &name, QWidget *parent = nullptr);

    QPlainTextEdit *memo() const { return m_memo; }
    QLabel *linesLabel() const { return m_lines; }
    QLabel *charsLabel() const { return m_chars; }

    // Shows the lines with the caret at the start. A long text goes in piece
    // by piece; `between` runs after each piece with the number of lines it
    // held, so that the window can paint and show progress meanwhile.
    void setLines(const QStringList &lines,
                  const std::function<void(qsizetype)> &between = nullptr);
    // What the memo holds, as the lines written to the file.
    QStringList lines() const;
    void clear();
    // Empties the counter labels until the text changes again.
    void clearCounters();
    // Selects the whole text and puts it on the clipboard.
    void copyAll();

private:
    void updateCounters();

    QPlainTextEdit *m_memo;
    QPushButton *m_copy;
    QLabel *m_lines;
    QLabel *m_chars;
};

} // namespace zf
