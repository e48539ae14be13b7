#include "core/app/RecoverySession.h"

#include "core/app/TerminationSignals.h"
#include "core/base/IniDocument.h"
#include "core/codegen/FileSet.h"
#include "core/files/FormFile.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace zf {

namespace {

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
    m_disk.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoverySession::writeChanged);
    for (const auto &form : m_project.forms()) {
        watch(form.get());
        schedule(form.get());
    }
    connect(&m_project, &DesignProject::formAdded, this, &RecoverySession::watch);
    connect(&m_project, &DesignProject::formAboutToBeRemoved, this, [this](DesignForm *form) {
        m_changed.remove(form);
        removeCopy(form);
    });
    // An application that quits without finish() skipped the questions.
    if (QCoreApplication *application = QCoreApplication::instance()) {
        connect(application, &QCoreApplication::aboutToQuit, this,
                &RecoverySession::keepForNextStart);
    }
    // The desktop session ends: whatever follows, a kill or a quit, the
    // copies are on disk by then.
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::commitDataRequest, this,
                [this] { writeCopies(); });
    }
}

RecoverySession::~RecoverySession()
{
    if (!m_ended)
        finish();
    m_disk.waitForDone();
    // A kept folder loses only its lock, which tells the next start that
    // no run holds it any more; one with nothing to keep goes.
    m_lock.reset();
    if (!m_sessionFolder.isEmpty())
        QDir().rmdir(m_sessionFolder);
}

void RecoverySession::finish()
{
    if (m_ended)
        return;
    stop();
    m_disk.waitForDone();
    if (m_sessionFolder.isEmpty())
        return;
    m_lock.reset();
    QDir(m_sessionFolder).removeRecursively();
    m_copies.clear();
}

void RecoverySession::keepForNextStart()
{
    if (m_ended)
        return;
    writeCopies();
    stop();
}

void RecoverySession::endOn(TerminationSignals &requests)
{
    connect(&requests, &TerminationSignals::received, this, [this] {
        // Kept before the event loops unwind: a question left open by the
        // signal returns Cancel, and nothing after may take the copies.
        keepForNextStart();
        QCoreApplication::exit(0);
    });
}

void RecoverySession::stop()
{
    m_ended = true;
    m_timer.stop();
    m_changed.clear();
    disconnect(&m_project, nullptr, this, nullptr);
    for (const auto &form : m_project.forms()) {
        disconnect(&form->undoStack(), nullptr, this, nullptr);
        disconnect(form.get(), nullptr, this, nullptr);
    }
}

void RecoverySession::setDelay(int milliseconds)
{
    m_delay = std::max(milliseconds, 0);
    if (m_delay == 0)
        m_timer.stop();
    else if (m_timer.isActive())
        m_timer.start(m_delay);
}

void RecoverySession::watch(DesignForm *form)
{
    // An edit, an undo or a redo; a form loaded as unsaved work (its clean
    // state reset); a window closed or shown again.
    connect(&form->undoStack(), &QUndoStack::indexChanged, this, [this, form] { schedule(form); });
    connect(&form->undoStack(), &QUndoStack::cleanChanged, this, [this, form](bool clean) {
        if (!clean) {
            schedule(form);
            return;
        }
        // A saved form holds nothing its file lacks.
        m_changed.remove(form);
        removeCopy(form);
    });
    connect(form, &DesignForm::windowChanged, this, [this, form] { schedule(form); });
}

void RecoverySession::schedule(const DesignForm *form)
{
    if (m_sessionFolder.isEmpty() || m_ended)
        return;
    m_changed.insert(form);
    if (m_delay > 0 && !m_timer.isActive())
        m_timer.start(m_delay);
}

void RecoverySession::writeChanged()
{
    const QSet<const DesignForm *> changed = std::exchange(m_changed, {});
    for (const DesignForm *form : changed)
        updateCopy(*form);
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
    // After the writes asked before, or one of them would bring it back.
    m_disk.waitForDone();
    QFile::remove(*found);
    m_copies.erase(found);
}

void RecoverySession::updateCopy(const DesignForm &form)
{
    // A closed window's changes were turned down at its close.
    if (!form.isShown() || !form.isModified()) {
        removeCopy(&form);
        return;
    }
    IniDocument doc;
    writeForm(doc, form);
    doc.writeString(kRecoverySection, u"File", form.fileName());
    doc.writeString(kRecoverySection, u"Written",
                    QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    FileSet copy;
    copy.add(copyPath(form), doc.toBytes());
    m_disk.start([this, copy]() mutable {
        if (!copy.write())
            m_diskFailed = true;
    });
}

bool RecoverySession::writeCopies()
{
    if (m_sessionFolder.isEmpty() || m_ended)
        return false;
    m_timer.stop();
    m_changed.clear();
    for (const auto &form : m_project.forms())
        updateCopy(*form);
    m_disk.waitForDone();
    return !m_diskFailed.exchange(false);
}

} // namespace zf
