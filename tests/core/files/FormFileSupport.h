#pragma once

#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace zf::test {

inline QByteArray formBytes(const DesignForm &form)
{
    IniDocument doc;
    writeForm(doc, form);
    return doc.toBytes();
}

// Reads `doc` into a new form of `project` (not made current), which must
// find no problem in it.
inline DesignForm *loadForm(DesignProject &project, const IniDocument &doc)
{
    DesignForm *form = project.addForm(readFormName(doc));
    EXPECT_TRUE(readForm(*form, doc).empty()) << doc.path().toStdString();
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

inline QString goldenForm(QStringView name)
{
    return QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/forms/") + name.toString();
}

inline IniDocument goldenDocument(QStringView name)
{
    IniDocument doc;
    EXPECT_TRUE(doc.open(goldenForm(name)));
    return doc;
}

} // namespace zf::test
