#include "core/app/RecoveryCopies.h"

#include "core/app/FormCommands.h"
#include "core/app/RecoverySession.h"
#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zf {

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
            form.written =
                QDateTime::fromString(doc.readString(kRecoverySection, u"Written"), Qt::ISODate);
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

RecoveryCopies::~RecoveryCopies() = default;

std::vector<DesignForm *> RecoveryCopies::recover(DesignProject &project, FormCommands &commands)
{
    std::vector<DesignForm *> loaded;
    if (m_forms.empty())
        return loaded;
    const int library = m_forms.front().library;
    if (library == kLibraryCControls || library == kLibraryPToolBox)
        project.setLibrary(library);
    for (const RecoveredForm &recovered : m_forms) {
        IniDocument doc;
        if (!doc.open(recovered.copyPath))
            continue;
        DesignForm &form = commands.nuevoForm(recovered.formName);
        commands.load(form, doc);
        // The copy is no file of the user's: Save Form goes to the form's
        // own file, or asks for one.
        form.setFileName(recovered.fileName);
        form.setCaption(recovered.fileName.isEmpty() ? recovered.formName + QStringLiteral(".zsc")
                                                     : QFileInfo(recovered.fileName).fileName());
        form.undoStack().resetClean();
        loaded.push_back(&form);
    }
    return loaded;
}

void RecoveryCopies::discard()
{
    for (Session &session : m_sessions) {
        session.lock->unlock();
        QDir(session.folder).removeRecursively();
    }
    m_sessions.clear();
    m_forms.clear();
}

} // namespace zf
