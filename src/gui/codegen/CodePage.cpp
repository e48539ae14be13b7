#include "gui/codegen/CodePage.h"
#include "gui/codegen/CodeView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QStackedWidget>

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QThread>
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
    m_preview = new CodeView(this);
    m_preview->setObjectName(QStringLiteral("view") + name);
    m_preview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_memo);
    m_stack->addWidget(m_preview);
    m_builder.setMaxThreadCount(1);

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
    layout->addWidget(m_stack, 1);
    layout->addLayout(bottom);

    connect(m_copy, &QPushButton::clicked, this, &CodePage::copyAll);
    connect(m_memo, &QPlainTextEdit::textChanged, this, &CodePage::updateCounters);
}

CodePage::~CodePage()
{
    m_builder.waitForDone();
}

std::unique_ptr<QTextDocument> CodePage::makeDocument(const QStringList &lines,
                                                    const QFont &font, QThread *target)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    // The generated text is where the user's undo starts.
    document->setUndoRedoEnabled(false);
    document->setPlainText(lines.join(QLatin1Char('\n')));
    document->setUndoRedoEnabled(true);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    document->moveToThread(target);
    return document;
}

void CodePage::showLines(const QStringList &lines)
{
    // Up to here a text goes into the memo quicker than a thread starts.
    constexpr qsizetype kLongText = 5000;
    const quint64 serial = ++m_serial;
    if (lines.size() < kLongText) {
        setDocument(makeDocument(lines, m_memo->font(), thread()));
        return;
    }
    m_filling = true;
    m_preview->setLines(lines);
    m_preview->verticalScrollBar()->setValue(0);
    m_stack->setCurrentWidget(m_preview);
    updateCounters();
    // The document travels back in a holder that deletes it, here, if the
    // page is gone by then.
    m_builder.start([this, lines, serial, font = m_memo->font(), target = thread()] {
        auto holder = std::make_shared<std::unique_ptr<QTextDocument>>(
            makeDocument(lines, font, target));
        QMetaObject::invokeMethod(
            this,
            [this, serial, holder] {
                if (serial == m_serial)
                    setDocument(std::move(*holder));
            },
            Qt::QueuedConnection);
    });
}

void CodePage::setDocument(std::unique_ptr<QTextDocument> document)
{
    // The memo deletes a document it owns at once; ours goes in the
    // background.
    QTextDocument *old = m_memo->document();
    old->setParent(nullptr);
    document->setParent(this);
    m_memo->setDocument(document.release());
    m_memo->moveCursor(QTextCursor::Start);
    m_stack->setCurrentWidget(m_memo);
    m_preview->setLines({});
    const bool wasFilling = m_filling;
    m_filling = false;
    updateCounters();
    dispose(old);
    if (wasFilling)
        Q_EMIT filled();
}

void CodePage::dispose(QTextDocument *document)
{
    // Taking a large text apart costs as much as building it: that goes on
    // on a thread of its own, which takes only time no other work wants,
    // so that it never slows the Generate that replaced the text.
    constexpr int kLargeDocument = 5000;
    if (document->blockCount() < kLargeDocument) {
        delete document;
        return;
    }
    QThread *thread = QThread::create([document] { delete document; });
    document->moveToThread(thread);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::IdlePriority);
}

QStringList CodePage::lines() const
{
    if (m_filling)
        return m_preview->lines();
    const QString text = m_memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void CodePage::clear()
{
    showLines({});
}

void CodePage::clearCounters()
{
    m_lines->clear();
    m_chars->clear();
}

void CodePage::copyAll()
{
    if (m_filling) {
        QGuiApplication::clipboard()->setText(m_preview->text());
        return;
    }
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
    qsizetype lines = 0;
    qsizetype chars = 0;
    if (m_filling) {
        lines = m_preview->lines().size();
        for (const QString &line : m_preview->lines())
            chars += line.size() + 2;
    } else if (const QTextDocument *document = m_memo->document(); !document->isEmpty()) {
        lines = document->blockCount();
        chars = document->characterCount() + lines;
    }
    m_lines->setText(QString::number(lines) + QStringLiteral(" lines"));
    m_chars->setText(QString::number(chars) + QStringLiteral(" chars"));
}

} // namespace zf
