#include "core/codegen/LiveCode.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/GenerateSettings.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"

namespace zf {

namespace {

// The copies belong to a project of their own, which asks nobody anything.
class SilentUserInterface : public UserInterface
{
public:
    Button ask(const Message &) override { return Button::None; }
    std::optional<QString> openFileName(const FileRequest &) override { return {}; }
    std::optional<QString> saveFileName(const FileRequest &) override { return {}; }
    std::optional<int> chooseLibrary(int) override { return {}; }
    void pauseZoom() override {}
    void resumeZoom() override {}
};

SilentUserInterface &silentUserInterface()
{
    static SilentUserInterface ui;
    return ui;
}

} // namespace

// A snapshot of an edited form, and which object of the edited form each of
// its objects stands for, so the generated lines can be traced back to what
// the user selects. Made and destroyed on the thread that owns the edited
// forms; read, and only read, by the generator's thread.
struct FormCopy
{
    std::shared_ptr<DesignProject> project;
    std::unique_ptr<DesignForm> form;
    std::unordered_map<const DesignObject *, const DesignObject *> originals;

    FormCopy(const std::shared_ptr<DesignProject> &copies, const DesignForm &original)
        : project(copies), form(std::make_unique<DesignForm>(*copies, original.name()))
    {
        form->screen()->assignState(*original.screen());
        originals[form->screen()] = original.screen();
        const auto copyInto = [&](const DesignObject *object, DesignContainer *container) {
            DesignObject *copy = form->addObject(object->clone(), container);
            originals[copy] = object;
            return copy;
        };
        for (const DesignObject *object : original.screen()->children()) {
            DesignObject *copy = copyInto(object, form->screen());
            if (const auto *dialog = objectCast<TPTDialog>(object)) {
                for (const DesignObject *child : dialog->children())
                    copyInto(child, static_cast<TPTDialog *>(copy));
            }
        }
        for (const DesignObject *object : original.windowChildren())
            copyInto(object, nullptr);
    }
};

struct LiveCode::Result
{
    std::vector<std::shared_ptr<const FormCopy>> copies;
    GeneratedCode code;
};

LiveCode::LiveCode(DesignProject &project, QObject *parent)
    : QObject(parent), m_project(project),
      m_copies(std::make_shared<DesignProject>(silentUserInterface()))
{
    m_pool.setMaxThreadCount(1);
    for (const auto &form : project.forms())
        watch(form.get());
    connect(&project, &DesignProject::formAdded, this, [this](DesignForm *form) {
        watch(form);
        refresh();
    });
    connect(&project, &DesignProject::formAboutToBeRemoved, this, [this](DesignForm *form) {
        m_cache.erase(form);
        m_dirty.erase(form);
        refresh();
    });
    // The library and the window order change the texts too.
    connect(&project, &DesignProject::libraryChanged, this, &LiveCode::refresh);
    connect(&project, &DesignProject::currentDesignWindowChanged, this, &LiveCode::refresh);
}

LiveCode::~LiveCode()
{
    m_pool.waitForDone();
}

void LiveCode::watch(DesignForm *form)
{
    m_dirty.insert(form);
    connect(form, &DesignForm::changed, this, [this, form] {
        m_dirty.insert(form);
        refresh();
    });
}

void LiveCode::setActive(bool active)
{
    m_active = active;
    refresh();
}

void LiveCode::refresh()
{
    if (!m_active)
        return;
    if (m_running) {
        m_pending = true;
        return;
    }
    start();
}

void LiveCode::start()
{
    auto result = std::make_shared<Result>();
    FormList forms;
    for (const DesignForm *form : m_project.formsInWindowOrder()) {
        std::shared_ptr<const FormCopy> &copy = m_cache[form];
        if (!copy || m_dirty.count(form))
            copy = std::make_shared<const FormCopy>(m_copies, *form);
        result->copies.push_back(copy);
        forms.push_back(copy->form.get());
    }
    m_dirty.clear();
    m_running = true;

    const CodeGenerator *generator = CodeGenerator::forLibrary(m_project.library());
    const QString projectName = m_project.projectName();
    const QString projectFile = m_project.projectFile();
    m_pool.start([this, result, forms, generator, projectName, projectFile]() mutable {
        if (generator && !forms.empty()) {
            GenerateSettings settings;
            if (!projectFile.isEmpty())
                GenerateSettings::load(projectFile, generator->hasColorOption(), QString(),
                                       &settings, nullptr);
            generateCode(*generator, forms, projectName, settings, result->code,
                         silentUserInterface());
            // The owners become the objects the user edits.
            std::unordered_map<const DesignForm *, const FormCopy *> byForm;
            for (const auto &copy : result->copies)
                byForm[copy->form.get()] = copy.get();
            for (LineRuns &runs : result->code.owners) {
                for (LineRun &run : runs) {
                    if (!run.object)
                        continue;
                    const FormCopy *copy = byForm.at(run.object->form());
                    run.object = copy->originals.at(run.object);
                }
            }
        }
        // The copies go back to be let go of where they were made.
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { finish(result); }, Qt::QueuedConnection);
    });
}

void LiveCode::finish(const std::shared_ptr<Result> &result)
{
    m_running = false;
    m_code = std::move(result->code);
    Q_EMIT generated();
    if (m_pending) {
        m_pending = false;
        refresh();
    }
}

} // namespace zf
