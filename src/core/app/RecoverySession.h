#pragma once

#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>

namespace zf {

class DesignForm;
class DesignProject;
class TerminationSignals;

// Keeps recovery copies of the forms this run has not saved, so that a
// crash, a power cut or a logout costs seconds of work.
//
// Every run keeps its copies in a folder of its own under the recovery
// folder, marked as in use by a lock file for as long as the run lives. A
// change to a shown form starts a short wait (delay()); when it ends, every
// form changed meanwhile is written there, whole and atomically, so a burst
// of edits costs one write per form. The editor's thread only takes the
// form's text; a thread of the session's own writes it, so that a disk slow
// to sync holds up no edit. A form that becomes unmodified (saved, or every
// change undone), is closed or goes away loses its copy at once.
// A folder whose lock no live process holds was left by a crash (see
// RecoveryCopies).
//
// How the run ends decides what happens to the copies. When the user has
// been asked about every unsaved form, finish() removes them with the
// folder; so does the destructor when nothing else was said. When the
// process is made to end without those questions (a signal, the desktop
// session ending, a quit of the application that skipped them), the copies
// are brought up to date at once and left for the next start.
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
    ~RecoverySession() override;

    // The run's own folder; empty when it could not be made, and then no
    // copy is written.
    QString sessionFolder() const { return m_sessionFolder; }

    // How long, in milliseconds, a change may wait for its copy: the first
    // change after a write starts the wait and later ones join it, so that
    // no change waits longer. 0 (at first) writes copies only when asked.
    void setDelay(int milliseconds);
    int delay() const { return m_delay; }

    // Brings the copies up to date now: writes those of the shown forms with
    // unsaved changes and removes the others. False when a copy could not be
    // written.
    bool writeCopies();

    // Where the copy of `form` is (or would be) written.
    QString copyPath(const DesignForm &form);

    // The user was asked about every unsaved form and the run ends: the
    // copies and the folder go now, and nothing is written after.
    void finish();
    // The run ends without those questions: the copies are brought up to
    // date and kept for the next start, whatever happens to the forms after.
    void keepForNextStart();
    // The system's requests to end (see TerminationSignals) keep the copies
    // and leave the event loop, without a question.
    void endOn(TerminationSignals &requests);

private:
    void watch(DesignForm *form);
    void schedule(const DesignForm *form);
    void writeChanged();
    void updateCopy(const DesignForm &form);
    void removeCopy(const DesignForm *form);
    void stop();

    DesignProject &m_project;
    QString m_sessionFolder;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    int m_delay = 0;
    bool m_ended = false;
    // Writes and removes the copies, one at a time in the order asked.
    QThreadPool m_disk;
    std::atomic<bool> m_diskFailed{false};
    QHash<const DesignForm *, QString> m_copies;
    // Forms changed since their copy was last brought up to date.
    QSet<const DesignForm *> m_changed;
    int m_copyCounter = 0;
};

// The section a recovery copy adds to the form file, with "File", the
// user's file of the form (empty when it was never saved), and "Written",
// when the copy was made.
inline const QString kRecoverySection = QStringLiteral("Zentiform Recovery");
// The lock file that marks a run's folder as in use.
inline const QString kRecoveryLockName = QStringLiteral("session.lock");

} // namespace zf
