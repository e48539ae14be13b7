#include "core/app/RecoveryCopies.h"

#include "core/app/FormCommands.h"
#include "core/app/RecoverySession.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace zf {

namespace {

bool isKnownLibrary(int library)
{
    return library == kLibraryCControls || library == kLibraryPToolBox;
}

} // namespace

RecoveryCopies::RecoveryCopies(const QString &folder)
{
    const QFileInfoList sessions =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &session : sessions) {
        auto lock =
            std::make_unique<QLockFile>(QDir(session.filePath()).filePath(kRecoveryLockName));
        // Held by a live process: a run that is still going. A lock whose
        // process is gone is stale and taken over.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        const QString path = session.filePath();
        const QFileInfoList copies =
            QDir(path).entryInfoList({QStringLiteral("*.zsc")}, QDir::Files, QDir::Name);
        for (const QFileInfo &copy : copies) {
            IniDocument doc;
            if (!doc.open(copy.filePath()))
                continue;
            RecoveredForm form;
            form.copyPath = copy.filePath();
            form.formName = readFormName(doc);
            form.fileName = doc.readString(kRecoverySection, u"File");
            form.library = readFormLibrary(doc);
            form.written = QDateTime::fromString(doc.readString(kRecoverySection, u"Written"),
                                                 Qt::ISODateWithMs);
            if (!form.written.isValid())
                form.written = copy.lastModified();
            if (!form.formName.isEmpty())
                m_forms.push_back(std::move(form));
        }
        m_sessions.push_back({path, std::move(lock)});
    }
    std::stable_sort(
        m_forms.begin(), m_forms.end(),
        [](const RecoveredForm &a, const RecoveredForm &b) { return a.written > b.written; });
}

RecoveryCopies::~RecoveryCopies()
{
    for (Session &session : m_sessions) {
        const bool holdsForms =
            std::any_of(m_forms.begin(), m_forms.end(), [&](const RecoveredForm &form) {
                return QFileInfo(form.copyPath).path() == session.folder;
            });
        session.lock->unlock();
        // A crashed run whose every form came back, or that had nothing to
        // keep, leaves no empty folder behind.
        if (!holdsForms)
            QDir(session.folder).removeRecursively();
    }
}

std::vector<int> RecoveryCopies::recoverableLibraries(const DesignProject &project) const
{
    std::vector<int> libraries;
    const auto add = [&](int library) {
        if (std::find(libraries.begin(), libraries.end(), library) == libraries.end())
            libraries.push_back(library);
    };
    const bool mayTakeAnyLibrary = !project.isOpen() && project.forms().empty();
    for (const RecoveredForm &form : m_forms) {
        if (!isKnownLibrary(form.library))
            add(project.library());
        else if (mayTakeAnyLibrary || form.library == project.library())
            add(form.library);
    }
    return libraries;
}

std::vector<DesignForm *> RecoveryCopies::recover(DesignProject &project, FormCommands &commands,
                                                  int library)
{
    std::vector<DesignForm *> loaded;
    const std::vector<int> allowed = recoverableLibraries(project);
    if (std::find(allowed.begin(), allowed.end(), library) == allowed.end())
        return loaded;
    project.setLibrary(library);
    for (const RecoveredForm &recovered : m_forms) {
        if (isKnownLibrary(recovered.library) && recovered.library != library)
            continue;
        IniDocument doc;
        if (!doc.open(recovered.copyPath))
            continue;
        doc.eraseSection(kRecoverySection);
        DesignForm &form = commands.nuevoForm(recovered.formName);
        const FileProblems problems = commands.load(form, doc);
        // The copy is no file of the user's: Save Form goes to the form's
        // own file, or asks for one.
        form.setFileName(recovered.fileName);
        form.setCaption(recovered.fileName.isEmpty() ? recovered.formName + QStringLiteral(".zsc")
                                                     : QFileInfo(recovered.fileName).fileName());
        form.undoStack().resetClean();
        if (!dropsRecords(problems))
            m_whole.push_back(recovered.copyPath);
        loaded.push_back(&form);
    }
    return loaded;
}

void RecoveryCopies::removeRecovered()
{
    for (const QString &copy : std::exchange(m_whole, {})) {
        QFile::remove(copy);
        std::erase_if(m_forms, [&](const RecoveredForm &form) { return form.copyPath == copy; });
    }
}

void RecoveryCopies::discard()
{
    for (Session &session : m_sessions) {
        session.lock->unlock();
        QDir(session.folder).removeRecursively();
    }
    m_sessions.clear();
    m_forms.clear();
    m_whole.clear();
}

} // namespace zf
