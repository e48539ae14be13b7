#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

namespace zf {

class DesignForm;
class DesignProject;
class FormCommands;

// One form kept by a run that ended without removing its copies: a crash.
struct RecoveredForm
{
    QString copyPath;
    QString formName;
    // The user's file of the form; empty when it was never saved.
    QString fileName;
    int library = 0;
    QDateTime written;
};

// The recovery copies that crashed runs left behind (see RecoverySession):
// the folders under the recovery folder whose lock no live process holds.
// They stay locked by this object, so a second running copy of the program
// does not offer them too, until they are recovered or discarded.
class RecoveryCopies
{
public:
    explicit RecoveryCopies(const QString &folder);
    ~RecoveryCopies();
    RecoveryCopies(const RecoveryCopies &) = delete;
    RecoveryCopies &operator=(const RecoveryCopies &) = delete;

    // The forms, the most recently written first. Copies that are no form
    // file (no FORM "Name") are left out and go with the rest on discard().
    const std::vector<RecoveredForm> &forms() const { return m_forms; }
    bool isEmpty() const { return m_forms.empty(); }

    // Loads every form into a new design window, as Open Form does, naming
    // its user's file again and marked as changed, so that it is saved (and
    // copied by this run) like any unsaved work. The project takes the
    // library of the most recent copy first. Returns the forms loaded; the
    // copies stay until discard().
    std::vector<DesignForm *> recover(DesignProject &project, FormCommands &commands);

    // Removes the copies and their folders.
    void discard();

private:
    struct Session
    {
        QString folder;
        std::unique_ptr<QLockFile> lock;
    };
    std::vector<Session> m_sessions;
    std::vector<RecoveredForm> m_forms;
};

} // namespace zf
