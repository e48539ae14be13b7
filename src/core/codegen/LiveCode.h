#pragma once

#include "core/codegen/CodeGenerator.h"

#include <QObject>
#include <QThreadPool>

#include <memory>
#include <unordered_map>
#include <unordered_set>

namespace zf {

class DesignProject;
struct FormCopy;

// The four texts as Generate would write them now, for the open project in
// the generate window's form order, with the settings its project file
// keeps (library, first form, target, colour option), kept up to date while
// the user edits.
//
// Editing never waits for it: a change copies only the forms changed since
// the last run (the copies of the others are kept) and the generator runs
// on a thread of its own on the copies. While it runs, further changes only
// note that another run is due, so a burst of changes costs at most one run
// more and the texts always end up showing the latest state.
class LiveCode : public QObject
{
    Q_OBJECT

public:
    explicit LiveCode(DesignProject &project, QObject *parent = nullptr);
    ~LiveCode() override;

    // Only an active instance follows the changes; activating it brings the
    // texts up to date.
    void setActive(bool active);
    bool isActive() const { return m_active; }

    // Generates anew: called for every change of a form, and by whoever
    // changes the generate settings in the project file.
    void refresh();

    // The latest texts; their line owners are the project's own objects
    // (to be compared, not followed: an object may be gone since).
    const GeneratedCode &code() const { return m_code; }

Q_SIGNALS:
    // code() holds new texts.
    void generated();

private:
    struct Result;

    void watch(DesignForm *form);
    void start();
    void finish(const std::shared_ptr<Result> &result);

    DesignProject &m_project;
    std::shared_ptr<DesignProject> m_copies;
    std::unordered_map<const DesignForm *, std::shared_ptr<const FormCopy>> m_cache;
    std::unordered_set<const DesignForm *> m_dirty;
    GeneratedCode m_code;
    QThreadPool m_pool;
    bool m_active = false;
    bool m_running = false;
    bool m_pending = false;
};

} // namespace zf
