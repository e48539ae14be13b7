#include "core/app/RecoverySession.h"

#include "core/base/IniDocument.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace zf {

namespace {

constexpr int kMillisecondsPerMinute = 60 * 1000;

// A name no other run can take: the time the run started and its process.
QString sessionName()
{
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
           QLatin1Char('-') + QString::number(QCoreApplication::applicationPid());
}

} // namespace

QString RecoverySession::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

RecoverySession::RecoverySession(DesignProject &project, const QString &folder, QObject *parent)
    : QObject(parent), m_project(project)
{
    const QString session = QDir(folder).filePath(sessionName());
    if (QDir().mkpath(session)) {
        m_lock = std::make_unique<QLockFile>(QDir(session).filePath(kRecoveryLockName));
        // A run lives for days; its lock must never be taken for stale.
        m_lock->setStaleLockTime(0);
        if (m_lock->tryLock(0))
            m_sessionFolder = session;
        else
            m_lock.reset();
    }
    for (const auto &form : m_project.forms())
        watch(form.get());
    connect(&m_project, &DesignProject::formAdded, this, &RecoverySession::watch);
    connect(&m_project, &DesignProject::formAboutToBeRemoved, this,
            [this](DesignForm *form) { removeCopy(form); });
    connect(&m_timer, &QTimer::timeout, this, &RecoverySession::writeCopies);
}

RecoverySession::~RecoverySession()
{
    m_timer.stop();
    if (m_sessionFolder.isEmpty())
        return;
    for (const QString &copy : std::as_const(m_copies))
        QFile::remove(copy);
    m_lock.reset();
    QDir(m_sessionFolder).removeRecursively();
}

void RecoverySession::setInterval(int minutes)
{
    m_minutes = std::max(minutes, 0);
    if (m_minutes == 0 || m_sessionFolder.isEmpty()) {
        m_timer.stop();
        return;
    }
    m_timer.start(m_minutes * kMillisecondsPerMinute);
}

void RecoverySession::watch(DesignForm *form)
{
    // A saved form holds nothing the user's file lacks.
    connect(&form->undoStack(), &QUndoStack::cleanChanged, this, [this, form](bool clean) {
        if (clean)
            removeCopy(form);
    });
}

QString RecoverySession::copyPath(const DesignForm &form)
{
    auto found = m_copies.find(&form);
    if (found == m_copies.end()) {
        const QString name = QStringLiteral("form%1.zsc").arg(++m_copyCounter);
        found = m_copies.insert(&form, QDir(m_sessionFolder).filePath(name));
    }
    return *found;
}

void RecoverySession::removeCopy(const DesignForm *form)
{
    const auto found = m_copies.constFind(form);
    if (found == m_copies.constEnd())
        return;
    QFile::remove(*found);
    m_copies.erase(found);
}

bool RecoverySession::writeCopies()
{
    if (m_sessionFolder.isEmpty())
        return false;
    bool written = true;
    for (const auto &owned : m_project.forms()) {
        DesignForm &form = *owned;
        // A closed window's changes were turned down at its close.
        if (!form.isShown() || form.undoStack().isClean()) {
            removeCopy(&form);
            continue;
        }
        IniDocument doc;
        doc.setPath(copyPath(form));
        writeForm(doc, form);
        doc.writeString(kRecoverySection, u"File", form.fileName());
        doc.writeString(kRecoverySection, u"Written",
                        QDateTime::currentDateTime().toString(Qt::ISODate));
        written = doc.save() && written;
    }
    return written;
}

} // namespace zf
