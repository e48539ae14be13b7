#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace zf {

// Appends generated lines to a line list. A line is given as its fragments,
// which are joined in order: texts, ASCII literals, single characters and
// integers (written in signed decimal), so that a line of code reads like
// the line it produces:
//
//     out("  ", name, "=Cbutton(", x, ",", y, ");");
class LineWriter
{
public:
    explicit LineWriter(QStringList &lines) : m_lines(lines) {}

    template <typename... Parts> void operator()(const Parts &...parts)
    {
        QString line;
        (append(line, parts), ...);
        m_lines.append(line);
    }

    void blank() { m_lines.append(QString()); }

private:
    static void append(QString &line, const QString &text) { line += text; }
    static void append(QString &line, QStringView text) { line += text; }
    static void append(QString &line, QLatin1StringView text) { line += text; }
    static void append(QString &line, const char *ascii) { line += QLatin1StringView(ascii); }
    static void append(QString &line, QChar c) { line += c; }
    // A plain char would be promoted to its code as a number; say QChar or
    // use a string.
    static void append(QString &line, char) = delete;
    static void append(QString &line, int number) { line += QString::number(number); }
    static void append(QString &line, qint64 number) { line += QString::number(number); }

    QStringList &m_lines;
};

} // namespace zf
