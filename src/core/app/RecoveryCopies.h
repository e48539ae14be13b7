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
    // The library the form was made with; 0 when the copy does not say.
    int library = 0;
    QDateTime written;
};

// The recovery copies that crashed runs left behind (see RecoverySession):
// the folders under the recovery folder whose lock no live process holds.
// They stay locked by this object, so that a second running copy of the
// program does not offer them too. A copy is removed only once its form came
// back whole or the user discarded it; the others are left, unlocked, for
// a later start.
class RecoveryCopies
{
public:
    explicit RecoveryCopies(const QString &folder);
    // Releases the copies still here, and removes the folders of crashed
    // runs that hold none.
    ~RecoveryCopies();
    RecoveryCopies(const RecoveryCopies &) = delete;
    RecoveryCopies &operator=(const RecoveryCopies &) = delete;

    // The forms, the most recently written first. Copies that are no form
    // file (no FORM "Name") are left out.
    const std::vector<RecoveredForm> &forms() const { return m_forms; }
    bool isEmpty() const { return m_forms.empty(); }

    // The libraries whose forms can be recovered into `project`, the one to
    // propose first. A form is only ever read with its own library: while
    // a project is open, or any form is in memory, that is the library in
    // force; otherwise the program may switch to the library of any copy,
    // the most recent copy's first.
    std::vector<int> recoverableLibraries(const DesignProject &project) const;

    // Loads every form of `library` (and those whose copy names none) into
    // a new design window, as Open Form does, naming its user's file again
    // and marked as changed, so that it is saved (and copied by this run)
    // like any unsaved work. Switches the project to `library` first when it
    // is another one and recoverableLibraries() allows it. Forms of another
    // library are left alone. Returns the forms loaded.
    std::vector<DesignForm *> recover(DesignProject &project, FormCommands &commands, int library);
    // Removes the copies of the forms recover() brought back whole; a form
    // that lost records keeps its copy.
    void removeRecovered();

    // Removes every copy and the folders of their runs.
    void discard();

private:
    struct Session
    {
        QString folder;
        std::unique_ptr<QLockFile> lock;
    };
    std::vector<Session> m_sessions;
    std::vector<RecoveredForm> m_forms;
    // Copies whose forms recover() brought back whole.
    std::vector<QString> m_whole;
};

} // namespace zf
