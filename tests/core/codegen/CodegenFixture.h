#pragma once

#include "ScriptedUserInterface.h"
#include "core/codegen/CodeGenerator.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Texts in failure messages as text, not as lists of code units.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace zf::test {

// Builds forms in memory, object by object with exact geometry, and compares
// generated lines with texts written by hand in tests/data/codegen.
class CodegenFixture : public ::testing::Test
{
protected:
    DesignForm *addForm(const QString &name, const QString &title)
    {
        DesignForm *form = project.addForm(name);
        form->screen()->setTitle(title);
        return form;
    }

    // Adds an object on top of `container`'s children, or to the window
    // (menus) when container is null.
    template <typename T>
    T *add(DesignForm *form, DesignContainer *container, const QString &name, int left, int top,
           int width, int height)
    {
        auto object = std::make_unique<T>();
        object->setName(name);
        object->setBounds(left, top, width, height);
        return static_cast<T *>(form->addObject(std::move(object), container));
    }

    // The lines of a file in tests/data/codegen; each line of the file ends
    // in a line feed.
    static QStringList golden(const QString &name)
    {
        QFile file(QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/codegen/") + name);
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "missing golden file " << name.toStdString();
            return {};
        }
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    // Reports the first line that differs, which says more than two long
    // lists side by side.
    static void expectLines(const QStringList &actual, const QStringList &expected,
                            const char *what)
    {
        const qsizetype common = std::min(actual.size(), expected.size());
        for (qsizetype i = 0; i < common; ++i) {
            if (actual[i] != expected[i]) {
                ADD_FAILURE() << what << ", line " << i + 1 << ":\n  actual:   \""
                              << actual[i].toStdString() << "\"\n  expected: \""
                              << expected[i].toStdString() << '"';
                return;
            }
        }
        if (actual.size() != expected.size()) {
            ADD_FAILURE()
                << what << ": " << actual.size() << " lines, expected " << expected.size()
                << "; first extra line: \""
                << (actual.size() > common ? actual[common] : expected[common]).toStdString()
                << '"';
        }
    }

    ScriptedUserInterface ui;
    DesignProject project{ui};
};

} // namespace zf::test
