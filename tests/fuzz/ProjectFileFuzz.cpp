// Opening a project file of any bytes, as Open Project does, and saving it
// again. The fuzzing process works in a folder of its own that holds the two
// golden forms, so a project may list them by relative path.
#include "FuzzSupport.h"

#include "core/app/ProjectCommands.h"
#include "core/app/RecentProjects.h"
#include "core/base/IniDocument.h"
#include "core/files/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zf;

namespace {

QString g_projectPath;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialize(argc, argv);
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    for (const QString name : {"ccontrols-all.zsc", "ptoolbox-all.zsc"})
        QFile::copy(QStringLiteral(ZENTIFORM_FUZZ_FORMS_DIR "/") + name, QDir::current().filePath(name));
    g_projectPath = QDir::current().filePath(QStringLiteral("Fuzz.zpj"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(g_projectPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            fuzz::fail("cannot write the project file");
    }
    fuzz::Designer designer(kLibraryCControls);
    RecentProjects recent;
    ProjectCommands projects(designer.project, designer.workspace, designer.forms, recent);
    projects.abrirProyecto(g_projectPath);
    const int library = designer.project.library();
    // Every listed form is asked about and kept (the silent user says No to
    // replacing); the project file itself is rewritten in place.
    projects.guardaProyecto(g_projectPath);

    IniDocument saved;
    if (!saved.open(g_projectPath))
        fuzz::fail("the saved project cannot be read");
    const ProjectFileState state = readProject(saved, QPoint());
    if (state.library != library)
        fuzz::fail("the saved project names another library", saved.toBytes());
    return 0;
}
