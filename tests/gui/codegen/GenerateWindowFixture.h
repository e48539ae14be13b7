#pragma once

#include "core/base/IniDocument.h"
#include "gui/codegen/CodePage.h"
#include "gui/codegen/frmGenerateCode.h"
#include "model/ModelFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace zf::test {

// A saved project "App" in a folder of its own with one form holding a
// button, and its generate window.
class GenerateWindowFixture : public ModelFixture
{
protected:
    explicit GenerateWindowFixture(int library = kLibraryCControls) : ModelFixture(library)
    {
        projectFile = dir.filePath(QStringLiteral("App.zpj"));
        project.setProjectName(QStringLiteral("App"));
        project.setProjectFile(projectFile);
        writeProject({});
        place(ControlKind::Button);
        window = std::make_unique<TfrmGenerate>(project, ui);
    }

    // The project file with a [Forms] section and `code` as its [Code]
    // section, one "Key=Value" per entry.
    void writeProject(const QStringList &code, const QStringList &icons = {})
    {
        QFile file(projectFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray text = "[Project]\r\nLibrary=1\r\n[Forms]\r\nCount=1\r\nItem0=Form1.zsc\r\n";
        if (!code.isEmpty())
            text += "[Code]\r\n" + code.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
        if (!icons.isEmpty())
            text += "[Icons]\r\n" + icons.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
        file.write(text);
    }

    QString projectValue(const QString &section, const QString &key) const
    {
        IniDocument doc;
        EXPECT_TRUE(doc.open(projectFile));
        return doc.readString(section, key, QStringLiteral("<missing>"));
    }

    void show()
    {
        window->prepare();
        window->show();
    }

    template <typename T> T *child(const char *name) const
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Clicks a widget as the user does; check boxes and radio buttons on
    // their indicator, as their text may end before the widget does.
    void click(const char *name)
    {
        QWidget *widget = child<QWidget>(name);
        const bool indicator =
            qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {},
                          indicator ? QPoint(8, widget->height() / 2) : widget->rect().center());
        // Long texts become editable a moment after Generate.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isFilling(); }, 20000));
    }

    QString memoText(TfrmGenerate::Page page) const
    {
        return window->page(page)->memo()->toPlainText();
    }

    bool allMemosEmpty() const
    {
        for (auto page : {TfrmGenerate::MainPage, TfrmGenerate::FormsPage, TfrmGenerate::EventsPage,
                          TfrmGenerate::HeaderPage}) {
            if (!memoText(page).isEmpty())
                return false;
        }
        return true;
    }

    QTemporaryDir dir;
    QString projectFile;
    std::unique_ptr<TfrmGenerate> window;
};

class PToolBoxGenerateFixture : public GenerateWindowFixture
{
protected:
    PToolBoxGenerateFixture() : GenerateWindowFixture(kLibraryPToolBox) {}
};

} // namespace zf::test
