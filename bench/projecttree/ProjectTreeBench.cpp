// The project tree on a large project: 200 forms of 50 controls, every
// tenth in the form's dialog, with a menu bar and a menu for CControls.
// Run with QT_QPA_PLATFORM=offscreen or a real display.
//
// - Build: from nothing to every form's lines in the tree.
// - Edit: from a change of one form (a renamed control, as one keystroke in
//   the property sheet gives) to the tree up to date. Target: well under a
//   frame (16 ms); the tree touches only the form that changed.
// - Select: from a new selected object to its line marked in the tree.
#include "BenchMain.h"
#include "BigProject.h"
#include "core/app/DesignWindowRules.h"
#include "core/app/FormCommands.h"
#include "core/app/Workspace.h"
#include "core/base/DataPaths.h"
#include "core/canvas/PalmFonts.h"
#include "gui/designer/ProjectTree.h"

#include <QApplication>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <benchmark/benchmark.h>

using namespace zf;
using namespace zf::bench;

namespace {

struct TreeOfBigProject
{
    explicit TreeOfBigProject(int library)
        : project(library, library == kLibraryCControls ? ccControl : ptControl)
    {
    }

    // A shown tree, up to date, and the form in the middle of the project.
    DesignForm *shownTree(ProjectTree &tree)
    {
        tree.show(); // a hidden tree only notes what changed
        tree.syncNow();
        return project.project.forms()[kForms / 2].get();
    }

    Project project;
    Workspace workspace;
    FormCommands forms{project.project, workspace};
    DesignWindowRules rules{forms, workspace};
};

int lineCount(const ProjectTree &tree)
{
    int lines = 0;
    for (QTreeWidgetItemIterator it(tree.tree()); *it; ++it)
        ++lines;
    return lines;
}

void BM_ProjectTreeBuild(benchmark::State &state)
{
    TreeOfBigProject big(int(state.range(0)));
    for (auto _ : state) {
        ProjectTree tree(big.project.project, big.rules);
        big.shownTree(tree);
        state.counters["lines"] = double(lineCount(tree));
    }
}
BENCHMARK(BM_ProjectTreeBuild)
    ->Arg(kLibraryCControls)
    ->Arg(kLibraryPToolBox)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

void BM_ProjectTreeEdit(benchmark::State &state)
{
    TreeOfBigProject big(kLibraryCControls);
    ProjectTree tree(big.project.project, big.rules);
    DesignForm *form = big.shownTree(tree);
    DesignObject *control = form->screen()->children().at(5);
    int step = 0;
    for (auto _ : state) {
        form->perform(QStringLiteral("Rename"), [&] {
            control->setName(QStringLiteral("Renamed") + QString::number(++step % 2));
        });
        tree.syncNow();
    }
    if (!tree.itemOf(control) || tree.itemOf(control)->text(0) != control->name())
        state.SkipWithError("the tree did not follow the change");
}
BENCHMARK(BM_ProjectTreeEdit)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ProjectTreeSelect(benchmark::State &state)
{
    TreeOfBigProject big(kLibraryCControls);
    ProjectTree tree(big.project.project, big.rules);
    DesignForm *form = big.shownTree(tree);
    big.project.project.setCurrentDesignWindow(form);
    int step = 0;
    for (auto _ : state) {
        DesignObject *control = form->screen()->children().at(1 + ++step % 20);
        big.project.project.setSelectedObject(control);
        tree.syncNow();
    }
}
BENCHMARK(BM_ProjectTreeSelect)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    loadPalmFonts(dataPath(QStringLiteral("fonts")));
    return zf::bench::runBenchmarks(argc, argv);
}
