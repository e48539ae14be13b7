#include "core/codegen/CodeText.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/PTDialog.h"

namespace zf {

namespace {

constexpr int kMaxLiteralLength = 255;
const QString kNone = QStringLiteral("(None)");

// A NUL would end the string where the compiler reads it; the other controls
// do nothing a handheld shows. Line breaks and tabs are the user's.
constexpr bool isDropped(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\r' && u != u'\n' && u != u'\t') || u == 0x7F;
}

} // namespace

QString quoted(QStringView text)
{
    QString literal;
    literal.reserve(text.size() + 2);
    literal += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDropped(c))
            continue;
        if (c == u'\\') {
            // The user's own escape sequence passes through whole; a lone
            // backslash at the end would escape the closing quote.
            if (i + 1 < text.size() && text[i + 1] != u'\r' && text[i + 1] != u'\n'
                && !isDropped(text[i + 1])) {
                literal += c;
                literal += text[++i];
            } else {
                literal += QStringLiteral("\\\\");
            }
        } else if (c == u'"') {
            literal += QStringLiteral("\\\"");
        } else if (c == u'\r') {
            literal += QStringLiteral("\\r");
        } else if (c == u'\n') {
            literal += QStringLiteral("\\n");
        } else {
            literal += c;
        }
    }
    literal += u'"';
    return literal;
}

QString bitmapLiteral(int width, QStringView bits)
{
    // Negative widths do not occur in a sound model; should one come, its
    // 32-bit pattern keeps the literal in hexadecimal digits, the only
    // characters the picture routines on the handheld read.
    QString literal = quoted(QString::number(quint32(width), 16).rightJustified(2, u'0'));
    qsizetype start = 0;
    do {
        literal += QStringLiteral(" + ");
        literal += quoted(bits.mid(start, kMaxLiteralLength));
        start += kMaxLiteralLength;
    } while (start < bits.size());
    return literal;
}

QString rowField(QStringView row, int k)
{
    int field = 1;
    qsizetype start = 0;
    while (field < k) {
        const qsizetype separator = row.indexOf(u'~', start);
        if (separator < 0)
            return {};
        start = separator + 1;
        ++field;
    }
    const qsizetype end = row.indexOf(u'~', start);
    return (end < 0 ? row.mid(start) : row.mid(start, end - start)).toString();
}

bool namesNothing(const QString &reference)
{
    return reference.trimmed().isEmpty() || reference == kNone;
}

void writeMemoTitle(LineWriter &out, bool memoMode, const QString &fileName)
{
    if (memoMode)
        out("/$ ", fileName);
}

std::vector<std::pair<qsizetype, qsizetype>> linesOf(const LineRuns &runs,
                                                     const DesignObject *object,
                                                     qsizetype lineCount)
{
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].object != object)
            continue;
        const qsizetype end = i + 1 < runs.size() ? runs[i + 1].first : lineCount;
        if (end > runs[i].first)
            ranges.emplace_back(runs[i].first, end);
    }
    return ranges;
}

const QString &CodeContainer::name() const
{
    return dialog ? dialog->name() : form->name();
}

std::vector<CodeContainer> codeContainers(const FormList &forms)
{
    std::vector<CodeContainer> containers;
    for (const DesignForm *form : forms) {
        containers.push_back({form, form->screen(), nullptr});
        for (const DesignObject *object : form->screen()->children()) {
            if (const auto *dialog = objectCast<TPTDialog>(object))
                containers.push_back({form, dialog, dialog});
        }
    }
    return containers;
}

} // namespace zf
