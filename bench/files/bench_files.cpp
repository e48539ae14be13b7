// Saving and loading a form of 2,000 mixed controls, both libraries: a
// fifth of them inside dialogs, the rest on the screen; and writing its
// recovery copy.
//
//   bench_files --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "core/app/RecoverySession.h"
#include "core/base/DataPaths.h"
#include "core/base/IniDocument.h"
#include "core/canvas/PalmFonts.h"
#include "core/files/FormFile.h"
#include "core/libraries/Libraries.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
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

// A project holding one big form of `library`: every kind of the library
// in turn, each with the values its records read by default, made by
// reading a file written for the purpose.
struct BigForm
{
    explicit BigForm(int library)
    {
        project.setLibrary(library);
        const LibrarySupport &support = project.librarySupport();
        std::vector<ControlKind> kinds;
        for (ControlKind kind : support.toolboxKinds()) {
            if (kind != ControlKind::Dialog && kind != ControlKind::Menu)
                kinds.push_back(kind);
        }
        QByteArray text = "[FORM]\nName=Big\nLib=" + QByteArray::number(library) + "\n";
        const auto record = [&](int i, const QByteArray &word, const QByteArray &parent) {
            text += "[C" + QByteArray::number(i) + "]\nControl=" + word + "\nName=C"
                    + QByteArray::number(i) + "\nLeft=" + QByteArray::number(i % 140)
                    + "\nTop=" + QByteArray::number((i * 7) % 140) + "\nParent=" + parent + "\n";
        };
        int placed = 0;
        for (int d = 0; d < kDialogs; ++d) {
            const QByteArray dialog = "D" + QByteArray::number(d);
            text += "[" + dialog + "]\nControl=Dialog\nName=" + dialog + "\n";
            for (int i = 0; i < kPerDialog; ++i, ++placed)
                record(placed, kindWord(kinds[std::size_t(placed) % kinds.size()]).toLatin1(), dialog);
        }
        for (; placed < kControls; ++placed)
            record(placed, kindWord(kinds[std::size_t(placed) % kinds.size()]).toLatin1(), "panScreen");
        if (library == kLibraryCControls) {
            text += "[MenuBarBig]\nControl=MenuBar\n";
            for (int m = 0; m < 5; ++m)
                text += "[M" + QByteArray::number(m) + "]\nControl=Menu\nCount=2\nItem0=Open\nItem1=Close\n";
        }
        IniDocument doc;
        doc.parse(text);
        form = project.addForm(QStringLiteral("Big"));
        readForm(*form, doc);
    }

    SilentUserInterface ui;
    DesignProject project{ui};
    DesignForm *form = nullptr;
};

// Built once per library.
BigForm &bigForm(int library)
{
    static BigForm ccontrols(kLibraryCControls);
    static BigForm ptoolbox(kLibraryPToolBox);
    return library == kLibraryCControls ? ccontrols : ptoolbox;
}

void saveForm(benchmark::State &state, int library)
{
    const BigForm &big = bigForm(library);
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
    BigForm &big = bigForm(library);
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

// A recovery copy of the form, whole: the text taken on the editor's
// thread, then written and synced to disk by the session's own thread.
void recoveryCopy(benchmark::State &state, int library)
{
    BigForm &big = bigForm(library);
    QTemporaryDir dir;
    RecoverySession session(big.project, dir.path());
    big.form->undoStack().resetClean();
    for (auto _ : state) {
        if (!session.writeCopies())
            state.SkipWithError("the copy was not written");
    }
    state.counters["bytes"] = double(QFileInfo(session.copyPath(*big.form)).size());
    big.form->undoStack().setClean();
}

// The part of a recovery copy the editor's thread does, once a change has
// waited its delay: what an edit costs the user at most, now and then.
void recoveryText(benchmark::State &state, int library)
{
    const BigForm &big = bigForm(library);
    for (auto _ : state) {
        IniDocument doc;
        writeForm(doc, *big.form);
        benchmark::DoNotOptimize(doc.toBytes());
    }
}

BENCHMARK_CAPTURE(saveForm, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(saveForm, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadForm, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadForm, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryCopy, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryCopy, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryText, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryText, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    zf::installLibraries();
    zf::loadPalmFonts(zf::dataPath(QStringLiteral("fonts")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
