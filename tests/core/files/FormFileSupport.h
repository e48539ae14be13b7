#pragma once

#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFile>
#include <QStringList>

namespace zf::test {

// A form file's text from lines written as the tests read best: "\n" apart.
inline QByteArray iniText(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

inline IniDocument parsedDocument(QByteArrayView bytes)
{
    IniDocument doc;
    doc.parse(bytes);
    doc.setPath(QStringLiteral("/forms/Test.zsc"));
    return doc;
}

inline QByteArray formBytes(const DesignForm &form)
{
    IniDocument doc;
    writeForm(doc, form);
    return doc.toBytes();
}

// Reads `bytes` into a new form of `project` (not made current).
inline DesignForm *loadForm(DesignProject &project, QByteArrayView bytes,
                            FileProblems *problems = nullptr)
{
    const IniDocument doc = parsedDocument(bytes);
    DesignForm *form = project.addForm(readFormName(doc));
    const FileProblems found = readForm(*form, doc);
    if (problems)
        *problems = found;
    return form;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFileBytes(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size();
}

inline QString goldenForm(const QString &name)
{
    return QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/") + name;
}

} // namespace zf::test
