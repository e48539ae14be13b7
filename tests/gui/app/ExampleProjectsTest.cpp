// The shipped examples as a user first meets them: opened, with the property
// window showing the values their files hold.
#include "ScriptedUserInterface.h"
#include "core/app/ProjectCommands.h"
#include "core/base/DataPaths.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Main.h"
#include "gui/properties/PropertyGrid.h"
#include "gui/properties/frmProperties.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zf;

namespace {

TEST(ExampleProjects, OpenWithTheSheetShowingTheFirstFormAsItsFileHoldsIt)
{
    for (const char *example : {"ccontrols", "ptoolbox"}) {
        SCOPED_TRACE(example);
        QTemporaryDir dir;
        const QDir source(dataPath(QStringLiteral("examples/") + QLatin1String(example)));
        QString projectFile;
        for (const QString &name : source.entryList(QDir::Files)) {
            ASSERT_TRUE(QFile::copy(source.filePath(name), dir.filePath(name)));
            if (name.endsWith(QLatin1String(".zpj")))
                projectFile = dir.filePath(name);
        }
        ASSERT_FALSE(projectFile.isEmpty());
        TMainForm window(dir.filePath(QStringLiteral("options.ini")));
        window.projectCommands().abrirProyecto(projectFile);
        DesignForm *form = window.project().currentDesignWindow();
        ASSERT_TRUE(form && window.project().selectedObject() == form->screen());
        // The same file loaded on its own, in a project nothing else touched.
        QFile file(form->fileName());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        IniDocument doc;
        doc.parse(file.readAll());
        test::ScriptedUserInterface ui;
        DesignProject fresh(ui);
        fresh.setLibrary(window.project().library());
        DesignForm *reference = fresh.addForm(readFormName(doc));
        EXPECT_TRUE(readForm(*reference, doc).empty());
        const PropertyRows rows = fresh.librarySupport().propertyRows(*reference->screen());
        const PropertyGrid *grid = window.findChild<TfrmProp *>()->grid();
        ASSERT_EQ(grid->rowCount(), int(rows.size()));
        for (int i = 0; i < grid->rowCount(); ++i)
            EXPECT_EQ(grid->item(i, 0)->text() + '=' + grid->item(i, 1)->text(),
                      rows[size_t(i)].name + '=' + rows[size_t(i)].value);
        // The values the stale sheet once showed come straight from the file.
        EXPECT_TRUE(grid->findItems(doc.readString(u"FORM", u"Title"), Qt::MatchExactly).size() > 0);
    }
}

} // namespace
