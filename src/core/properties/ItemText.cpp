#include "core/properties/ItemText.h"

namespace zf {

QString printableText(QStringView text, bool keepLineBreaks)
{
    const QString lineBreak = keepLineBreaks ? QStringLiteral("\n") : QStringLiteral(" ");
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            kept += lineBreak;
        } else if (c == u'\n') {
            kept += lineBreak;
        } else if (c == u'\t') {
            kept += u' ';
        } else if (c.category() != QChar::Other_Control) {
            kept += c;
        }
    }
    return kept;
}

} // namespace zf
