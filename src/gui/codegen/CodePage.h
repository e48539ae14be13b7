#pragma once

#include <QFont>
#include <QStringList>
#include <QThreadPool>
#include <QWidget>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTextDocument;

namespace zf {

class CodeView;

// The fixed-pitch font generated code is shown in.
QFont codeFont();

// One page of the generate window: a generated text in an editable
// monospaced memo, its "&Copy" button and its two counters. The memo holds
// the text line for line as it is written to its file.
//
// Building the editable text of a large project takes far longer than
// generating it, so a long text shows at once in a read-only view while its
// editable text is built on a thread of the page's own; the memo takes its
// place as soon as it is ready. Save and Copy take the text either way.
class CodePage : public QWidget
{
    Q_OBJECT

public:
    // `name` ("Main", "Forms", ...) names the page's widgets: memMain,
    // butCopyMain, lblMainLines, lblMainChars.
    explicit CodePage(const QString &name, QWidget *parent = nullptr);
    ~CodePage() override;

    QPlainTextEdit *memo() const { return m_memo; }
    QLabel *linesLabel() const { return m_lines; }
    QLabel *charsLabel() const { return m_chars; }

    // Shows the lines with the caret at the start: at once in the memo when
    // short, else first read-only, then in the memo.
    void showLines(const QStringList &lines);
    // Whether a long text still waits for its editable text.
    bool isFilling() const { return m_filling; }
    // What the page holds, as the lines written to the file.
    QStringList lines() const;
    void clear();
    // Empties the counter labels until the text changes again.
    void clearCounters();
    // Selects the whole text and puts it on the clipboard.
    void copyAll();

Q_SIGNALS:
    // The memo took the long text and can be edited.
    void filled();

private:
    // The lines as the memo's text, in `font`; made on any thread and
    // handed over to `target`, the memo's thread.
    static std::unique_ptr<QTextDocument> makeDocument(const QStringList &lines,
                                                       const QFont &font, QThread *target);
    void setDocument(std::unique_ptr<QTextDocument> document);
    void updateCounters();
    // Lets go of a text the memo no longer shows.
    void dispose(QTextDocument *document);

    QStackedWidget *m_stack;
    QPlainTextEdit *m_memo;
    CodeView *m_preview;
    QPushButton *m_copy;
    QLabel *m_lines;
    QLabel *m_chars;
    bool m_filling = false;
    // Counts the texts shown, so that a text built for an older one is
    // dropped.
    quint64 m_serial = 0;
    QThreadPool m_builder;
};

} // namespace zf
