// The generated code on screen. Run with QT_QPA_PLATFORM=offscreen or a
// real display.
//
// - GenerateWindow: in the shown generate window, from Generate to the four
//   texts shown and painted, for 200 forms of 100 controls. The target is
//   under 250 ms. FillMemos: from there until the long texts are editable
//   in their memos, which goes on while the window takes input.
// - LiveCode: from a change of a form (its change signal) to the new texts
//   set in the code view, for the example projects (target: one frame, 16
//   ms) and for 200 forms of 50 controls (target: 100 ms).
#include "BenchMain.h"
#include "BigProject.h"
#include "core/app/FormCommands.h"
#include "core/app/ProjectCommands.h"
#include "core/app/RecentProjects.h"
#include "core/app/Workspace.h"
#include "core/base/DataPaths.h"
#include "core/canvas/PalmFonts.h"
#include "gui/codegen/CodeDock.h"
#include "gui/codegen/CodePage.h"
#include "gui/codegen/CodeView.h"
#include "gui/codegen/frmGenerateCode.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace zf;
using namespace zf::bench;

namespace {

void generateWindow(benchmark::State &state, int library)
{
    Project project(library, library == kLibraryCControls ? ccControl : ptControl, kForms, 100);
    project.project.setProjectName(QStringLiteral("Big"));
    TfrmGenerate window(project.project, project.ui);
    window.prepare();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was never shown");
    for (auto _ : state) {
        window.generate();
        window.repaint();
        state.PauseTiming();
        if (window.page(TfrmGenerate::MainPage)->lines().isEmpty())
            state.SkipWithError("nothing was generated");
        // The memos become editable in the background; the next Generate
        // starts from there, as a user's would.
        if (!QTest::qWaitFor([&] { return !window.isFilling(); }, 60000))
            state.SkipWithError("the memos did not fill within a minute");
        state.ResumeTiming();
    }
}

void fillMemos(benchmark::State &state)
{
    Project project(kLibraryCControls, ccControl, kForms, 100);
    project.project.setProjectName(QStringLiteral("Big"));
    TfrmGenerate window(project.project, project.ui);
    window.prepare();
    window.show();
    for (auto _ : state) {
        state.PauseTiming();
        window.generate();
        state.ResumeTiming();
        if (!QTest::qWaitFor([&] { return !window.isFilling(); }, 60000))
            state.SkipWithError("the memos did not fill within a minute");
    }
}
BENCHMARK(fillMemos)->Name("BM_FillMemosCControls")->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_GenerateWindowCControls(benchmark::State &state)
{
    generateWindow(state, kLibraryCControls);
}
void BM_GenerateWindowPToolBox(benchmark::State &state)
{
    generateWindow(state, kLibraryPToolBox);
}
BENCHMARK(BM_GenerateWindowCControls)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_GenerateWindowPToolBox)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// Moves a control back and forth and waits until the view shows the texts
// of the move.
void editToView(benchmark::State &state, DesignProject &project)
{
    CodeDock dock(project);
    dock.resize(500, 700);
    dock.show();
    if (!QTest::qWaitForWindowExposed(&dock))
        state.SkipWithError("the window was never shown");
    bool shown = false;
    QObject::connect(&dock.liveCode(), &LiveCode::generated, [&] { shown = true; });
    const auto waitForView = [&] {
        while (!shown)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        shown = false;
    };
    waitForView();
    DesignForm *form = project.formsInWindowOrder().front();
    DesignObject *control = form->screen()->children().at(form->screen()->children().size() - 1);
    int step = 0;
    for (auto _ : state) {
        form->perform(QStringLiteral("Move"), [&] { control->setLeft(10 + (++step % 2)); });
        waitForView();
        dock.view(1)->viewport()->repaint();
    }
    state.counters["lines"] = double(dock.view(1)->lines().size());
}

void BM_LiveCodeBigProject(benchmark::State &state)
{
    Project project(int(state.range(0)), state.range(0) == kLibraryCControls ? ccControl : ptControl);
    project.project.setProjectName(QStringLiteral("Big"));
    editToView(state, project.project);
}
BENCHMARK(BM_LiveCodeBigProject)
    ->Arg(kLibraryCControls)
    ->Arg(kLibraryPToolBox)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->UseRealTime();

void BM_LiveCodeExample(benchmark::State &state)
{
    SilentUserInterface ui;
    DesignProject project(ui);
    Workspace workspace;
    FormCommands forms(project, workspace);
    RecentProjects recent;
    const QString file = state.range(0) == kLibraryCControls
                             ? QStringLiteral("examples/ccontrols/Notes.zpj")
                             : QStringLiteral("examples/ptoolbox/Workout.zpj");
    ProjectCommands(project, workspace, forms, recent).abrirProyecto(dataPath(file));
    if (project.forms().empty()) {
        state.SkipWithError("the example project did not open");
        return;
    }
    editToView(state, project);
}
BENCHMARK(BM_LiveCodeExample)
    ->Arg(kLibraryCControls)
    ->Arg(kLibraryPToolBox)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    loadPalmFonts(dataPath(QStringLiteral("fonts")));
    return zf::bench::runBenchmarks(argc, argv);
}
