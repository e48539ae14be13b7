#pragma once

#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace zf {

class DesignForm;
class DesignProject;

// Keeps recovery copies of the forms this run has not saved, so that a crash
// costs at most the last few minutes of work.
//
// Every run keeps its copies in a folder of its own under the recovery
// folder, marked as in use by a lock file for as long as the run lives. At
// each interval every shown form whose undo stack is not clean is written
// there, whole and atomically; a form that becomes clean (saved) or goes
// away loses its copy. A normal end removes the folder. A folder whose lock
// no live process holds was left by a crash (see RecoveryCopies).
//
// Copies are form files with one more section, kRecoverySection, naming the
// user's file; they are never written anywhere but in the run's folder.
class RecoverySession : public QObject
{
    Q_OBJECT

public:
    // "recovery" in the user's data folder.
    static QString defaultFolder();

    RecoverySession(DesignProject &project, const QString &folder = defaultFolder(),
                    QObject *parent = nullptr);
    // A normal end: the run's copies and its folder go.
    ~RecoverySession() override;

    // The run's own folder; empty when it could not be made, and then no
    // copy is written.
    QString sessionFolder() const { return m_sessionFolder; }

    // Minutes between copies; 0 turns the periodic copies off.
    void setInterval(int minutes);
    int interval() const { return m_minutes; }

    // Brings the copies up to date now: writes those of the shown forms with
    // unsaved changes and removes the others. False when a copy could not be
    // written.
    bool writeCopies();

    // Where the copy of `form` is (or would be) written.
    QString copyPath(const DesignForm &form);

private:
    void watch(DesignForm *form);
    void removeCopy(const DesignForm *form);

    DesignProject &m_project;
    QString m_sessionFolder;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    int m_minutes = 0;
    QHash<const DesignForm *, QString> m_copies;
    int m_copyCounter = 0;
};

// The section a recovery copy adds to the form file, with "File", the
// user's file of the form (empty when it was never saved), and "Written",
// when the copy was made.
inline const QString kRecoverySection = QStringLiteral("Zentiform Recovery");
// The lock file that marks a run's folder as in use.
inline const QString kRecoveryLockName = QStringLiteral("session.lock");

} // namespace zf
