// Saving and loading a form of 2,000 mixed controls, both libraries: a
// fifth of them inside dialogs, the rest on the screen.
//
//   bench_files --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "core/canvas/PalmFonts.h"
#include "core/ccontrols/CCForm.h"
#include "core/files/DataPaths.h"
#include "core/files/FormFile.h"
#include "core/files/IniDocument.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace zf;

constexpr int kControls = 2000;
constexpr int kDialogs = 20;
constexpr int kPerDialog = kControls / 5 / kDialogs;

class SilentUserInterface : public UserInterface
{
public:
    Button ask(const Message &message) override { return message.defaultButton; }
    std::optional<QString> openFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<int> chooseLibrary(int) override { return std::nullopt; }
    void pauseZoom() override {}
    void resumeZoom() override {}
};

// A project holding one big form of `library`, made with the toolbox as a
// user would.
struct BigForm
{
    explicit BigForm(int library)
    {
        project.setLibrary(library);
        form = project.addForm(QStringLiteral("Big"));
        const LibrarySupport &support = project.librarySupport();
        std::vector<ControlKind> kinds;
        for (ControlKind kind : support.toolboxKinds()) {
            if (kind != ControlKind::Dialog && kind != ControlKind::Menu)
                kinds.push_back(kind);
        }
        const auto place = [&](int i, DesignContainer *container) {
            project.setPressedTool(kinds[std::size_t(i) % kinds.size()]);
            support.createControlAt(*form, i % 140, (i * 7) % 140, container);
        };
        int placed = 0;
        for (int d = 0; d < kDialogs; ++d) {
            project.setPressedTool(ControlKind::Dialog);
            support.createControlAt(*form, 0, 0, form->screen());
            TPTDialog *dialog = form->currentDialog();
            for (int i = 0; i < kPerDialog; ++i)
                place(placed++, dialog);
        }
        while (placed < kControls)
            place(placed++, form->screen());
        form->undoStack().clear();
    }

    SilentUserInterface ui;
    DesignProject project{ui};
    DesignForm *form = nullptr;
};

void saveForm(benchmark::State &state, int library)
{
    const BigForm big(library);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.zsc"));
    QString error;
    for (auto _ : state) {
        if (!writeFormFile(*big.form, path, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

void loadForm(benchmark::State &state, int library)
{
    BigForm big(library);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.zsc"));
    QString error;
    if (!writeFormFile(*big.form, path, &error))
        state.SkipWithError(error.toUtf8().constData());
    for (auto _ : state) {
        IniDocument doc;
        doc.open(path);
        auto form = std::make_unique<DesignForm>(big.project, readFormName(doc));
        const FileProblems problems = readForm(*form, doc);
        benchmark::DoNotOptimize(problems);
        if (form->screen()->children().size() != kControls - kDialogs * kPerDialog + kDialogs)
            state.SkipWithError("the form did not load whole");
        // Destroying the form is part of neither operation.
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}

BENCHMARK_CAPTURE(saveForm, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(saveForm, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadForm, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadForm, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    zf::loadPalmFonts(zf::dataPath(QStringLiteral("fonts")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
