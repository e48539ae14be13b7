#pragma once

#include "ScriptedUserInterface.h"
#include "core/codegen/CodeGenerator.h"
#include "core/files/FormFileCheck.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QFile>
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

    // A form of tests/data/codegen, kept for the test's run.
    DesignForm *load(const char *name)
    {
        FormFileCheck check =
            checkFormFile(project, QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/codegen/") + name);
        EXPECT_TRUE(check.form && check.problems.empty()) << name;
        m_loaded.push_back(std::move(check.form));
        return m_loaded.back().get();
    }

    // A file of tests/data/codegen as lines; each line of the file ends in a
    // line feed.
    static QStringList golden(const QString &name)
    {
        QFile file(QStringLiteral(ZENTIFORM_TEST_DATA_DIR "/codegen/") + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        lines.removeLast();
        return lines;
    }

    // Compared as one text, so a mismatch prints a line diff.
    static std::string text(const QStringList &lines) { return lines.join(u'\n').toStdString(); }

    ScriptedUserInterface ui;
    DesignProject project{ui};

private:
    std::vector<std::unique_ptr<DesignForm>> m_loaded;
};

} // namespace zf::test
