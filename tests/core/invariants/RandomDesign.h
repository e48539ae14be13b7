#pragma once

#include "ScriptedUserInterface.h"
#include "core/app/DesignWindowRules.h"
#include "core/app/FormCommands.h"
#include "core/app/Workspace.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"

#include <QByteArray>
#include <QString>

#include <random>
#include <vector>

namespace zf::test {

// The seeds of the random cases a property test tries: `quick` of them in
// the normal run, as many as ZENTIFORM_PROPERTY_RUNS says for a longer
// search, or the one ZENTIFORM_PROPERTY_SEED names, to repeat a failure.
std::vector<quint32> propertySeeds(int quick);

// A project of one library with one current form, as a user has it: the
// window rules that turn clicks into edits, and a user who answers from a
// script.
struct DesignSession
{
    explicit DesignSession(int library);

    ScriptedUserInterface ui;
    DesignProject project{ui};
    Workspace workspace;
    FormCommands commands{project, workspace};
    DesignWindowRules rules{commands, workspace};
    DesignForm *form = nullptr;
};

// The bytes Save Form writes for `form`.
QByteArray savedBytes(const DesignForm &form);

// `bytes` loaded into a new current form of `session`; what loading had to
// work around goes to `problems`.
DesignForm *loadBytes(DesignSession &session, const QByteArray &bytes, QString *problems);

// `bytes` as a load and a save in a fresh project of `library` give them
// back; what the load had to work around goes to `problems`.
QByteArray reloadedBytes(int library, const QByteArray &bytes, QString *problems);
// The file with the states a loaded form starts in, menu bar hidden, menus
// closed and each list's style following its trigger, in place of the saved
// ones.
QByteArray withLoadedStates(const QByteArray &bytes);

// Every object of the form, the screen first.
std::vector<DesignObject *> allObjects(const DesignForm &form);

// Random values for the property tests; the same seed gives the same values.
class RandomValues
{
public:
    explicit RandomValues(quint32 seed) : m_rng(seed) {}

    // An integer in [0, n).
    int below(int n);
    // A coordinate or size: mostly on or near the screen, sometimes far off,
    // huge or negative.
    int number();
    // A text a user could type, quotes, blanks and non-Latin letters included.
    QString text();

private:
    std::mt19937 m_rng;
};

// Random gestures of a user on the current form of a session: placing every
// toolbox kind, clicking, dragging with the mouse editor, typing and choosing
// property values, the editors' OK, deleting, cut, copy and paste, the layout
// and order commands, arrow keys, undo and redo. The same seed gives the same
// gestures.
class RandomDesigner : public RandomValues
{
public:
    RandomDesigner(DesignSession &session, quint32 seed);

    // One gesture; returns what it did, for failure messages.
    QString step();

private:
    QString place();
    QString click();
    QString drag();
    QString setBounds();
    QString editProperty();
    QString openEditor(const QString &row);
    QString command();
    QString clipboard();

    DesignObject *anyControl();
    QString typedValue(const QString &row);

    DesignSession &m_session;
    QByteArray m_clipboard;
};

} // namespace zf::test
