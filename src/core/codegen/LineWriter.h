#pragma once

#include "core/codegen/CodeGenerator.h"

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
//
// With `owners` given, it also notes which object each line is written for:
// the object of the innermost LineOwner alive.
class LineWriter
{
public:
    explicit LineWriter(QStringList &lines, LineRuns *owners = nullptr)
        : m_lines(lines), m_owners(owners)
    {
    }

    template <typename... Parts> void operator()(const Parts &...parts)
    {
        QString line;
        (append(line, parts), ...);
        m_lines.append(line);
    }

    void blank() { m_lines.append(QString()); }

    const DesignObject *owner() const { return m_owner; }
    // The lines written from now on are `object`'s.
    void setOwner(const DesignObject *object)
    {
        if (object == m_owner)
            return;
        m_owner = object;
        if (!m_owners)
            return;
        if (!m_owners->empty() && m_owners->back().first == m_lines.size())
            m_owners->back().object = object; // the last run got no line
        else
            m_owners->push_back({m_lines.size(), object});
    }

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
    LineRuns *m_owners;
    const DesignObject *m_owner = nullptr;
};

// The lines written during its life are `object`'s; the owner before it
// takes over again after it.
class LineOwner
{
public:
    LineOwner(LineWriter &out, const DesignObject *object) : m_out(out), m_before(out.owner())
    {
        out.setOwner(object);
    }
    ~LineOwner() { m_out.setOwner(m_before); }
    LineOwner(const LineOwner &) = delete;
    LineOwner &operator=(const LineOwner &) = delete;

private:
    LineWriter &m_out;
    const DesignObject *m_before;
};

} // namespace zf
