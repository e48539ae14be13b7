#include "gui/codegen/CodePage.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace zf {

QFont codeFont()
{
    // Courier New where it is installed, else the common monospaced faces of
    // free desktops, else whatever the desktop calls its fixed font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                      QStringLiteral("Nimbus Mono PS"), font.family()});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

CodePage::CodePage(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab") + name);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("mem") + name);
    m_memo->setFont(codeFont());
    // Code reads best unwrapped; long lines scroll sideways.
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_copy = new QPushButton(QStringLiteral("&Copy"), this);
    m_copy->setObjectName(QStringLiteral("butCopy") + name);
    m_copy->setAutoDefault(false);
    m_lines = new QLabel(this);
    m_lines->setObjectName(QStringLiteral("lbl") + name + QStringLiteral("Lines"));
    m_chars = new QLabel(this);
    m_chars->setObjectName(QStringLiteral("lbl") + name + QStringLiteral("Chars"));
    for (QLabel *label : {m_lines, m_chars}) {
        label->setMinimumWidth(90);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_copy);
    bottom->addStretch(1);
    bottom->addWidget(m_lines);
    bottom->addWidget(m_chars);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_memo, 1);
    layout->addLayout(bottom);

    connect(m_copy, &QPushButton::clicked, this, &CodePage::copyAll);
    connect(m_memo, &QPlainTextEdit::textChanged, this, &CodePage::updateCounters);
}

void CodePage::setLines(const QStringList &lines, const std::function<void(qsizetype)> &between)
{
    // Small enough that the window paints several times a second while a
    // text of a hundred thousand lines goes in.
    constexpr qsizetype kPiece = 4000;
    m_memo->clear();
    QTextDocument *document = m_memo->document();
    // The generated text is where the user's undo starts.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    for (qsizetype first = 0; first < lines.size(); first += kPiece) {
        const qsizetype count = std::min(kPiece, lines.size() - first);
        QString piece = lines.mid(first, count).join(QLatin1Char('\n'));
        if (first + count < lines.size())
            piece += QLatin1Char('\n');
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(piece);
        if (between)
            between(count);
    }
    document->setUndoRedoEnabled(true);
    m_memo->moveCursor(QTextCursor::Start);
}

QStringList CodePage::lines() const
{
    const QString text = m_memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void CodePage::clear()
{
    m_memo->clear();
}

void CodePage::clearCounters()
{
    m_lines->clear();
    m_chars->clear();
}

void CodePage::copyAll()
{
    m_memo->selectAll();
    m_memo->copy();
}

void CodePage::updateCounters()
{
    // Counted as the file holds the text: every line ends with CR LF. The
    // document counts each line's end, the last one's included, as one
    // character, so the file's length is that count plus one per line.
    // Both counts are kept by the document, so typing in a long text stays
    // cheap.
    const QTextDocument *document = m_memo->document();
    const bool empty = document->isEmpty();
    const int lines = empty ? 0 : document->blockCount();
    const int chars = empty ? 0 : document->characterCount() + lines;
    m_lines->setText(QString::number(lines) + QStringLiteral(" lines"));
    m_chars->setText(QString::number(chars) + QStringLiteral(" chars"));
}

} // namespace zf
