// The design window redraws its whole picture on every mouse move of a drag:
// a busy form must draw in well under the time between two moves.
#include "BenchMain.h"
#include "core/base/DataPaths.h"
#include "core/canvas/PalmFonts.h"
#include "core/designer/FormRenderer.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace zf;

// Nobody to ask while building the forms.
class SilentUserInterface : public UserInterface
{
public:
    Button ask(const Message &) override { return Button::Ok; }
    std::optional<QString> openFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<int> chooseLibrary(int) override { return std::nullopt; }
    void pauseZoom() override {}
    void resumeZoom() override {}
};

// 100 controls of every kind the library offers on a screen with the grid
// on, overlapping in rows the way a crowded form does, the last one
// selected; for PToolBox a tenth of them inside a shown dialog.
class BusyForm
{
public:
    BusyForm(int library, const std::vector<ControlKind> &kinds)
    {
        m_project.setLibrary(library);
        m_form = m_project.addForm(QStringLiteral("Busy"));
        m_form->screen()->setGridVisible(1);
        TPTDialog *dialog = nullptr;
        if (library == kLibraryPToolBox) {
            dialog = m_form->newDialog(QStringLiteral("Dl1"));
            dialog->setBounds(80, 100, 78, 58);
        }
        for (int i = 0; i < 100; ++i) {
            m_project.setPressedTool(kinds[size_t(i) % kinds.size()]);
            const bool inDialog = dialog && i % 10 == 9;
            DesignContainer *container =
                inDialog ? static_cast<DesignContainer *>(dialog) : m_form->screen();
            const int x = inDialog ? 4 + (i / 10) % 4 * 6 : 4 + (i * 37) % 110;
            const int y = inDialog ? 16 + (i / 10) % 5 * 7 : 16 + (i * 11) % 120;
            m_project.librarySupport().createControlAt(*m_form, x, y, container);
        }
    }

    const DesignForm &form() const { return *m_form; }

    int objectCount() const
    {
        int count = 0;
        m_form->forEachObject([&](DesignObject *) { ++count; });
        return count;
    }

private:
    SilentUserInterface m_ui;
    DesignProject m_project{m_ui};
    DesignForm *m_form = nullptr;
};

void renderBusyForm(benchmark::State &state, int library, const std::vector<ControlKind> &kinds)
{
    const BusyForm busy(library, kinds);
    FormRenderer renderer;
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(busy.form()).constBits());
    state.counters["objects"] = busy.objectCount();
}

void cControlsForm(benchmark::State &state)
{
    renderBusyForm(state, kLibraryCControls,
                   {ControlKind::Button, ControlKind::Label, ControlKind::CheckBox,
                    ControlKind::Switch, ControlKind::Edit, ControlKind::EditLine,
                    ControlKind::ListBox, ControlKind::Radio, ControlKind::DropDown,
                    ControlKind::PopUp, ControlKind::Table, ControlKind::Image});
}
BENCHMARK(cControlsForm)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

void pToolBoxForm(benchmark::State &state)
{
    renderBusyForm(state, kLibraryPToolBox,
                   {ControlKind::Button, ControlKind::Select, ControlKind::Label,
                    ControlKind::CheckBox, ControlKind::Push, ControlKind::List,
                    ControlKind::PopTrigger, ControlKind::Field, ControlKind::Gsi,
                    ControlKind::Bitmap, ControlKind::Radio});
}
BENCHMARK(pToolBoxForm)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    loadPalmFonts(dataPath(QStringLiteral("fonts")));
    return zf::bench::runBenchmarks(argc, argv);
}
