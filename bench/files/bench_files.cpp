// Saving and loading a form of 2,000 mixed controls, both libraries: a
// fifth of them inside dialogs, the rest on the screen; and writing its
// recovery copy. Then loading forms of 100,000 records shaped the way damaged
// or generated files are: loading must stay proportional to the size of the
// file whatever its shape, so these take about as long as the plain form of
// the same size.
//
//   bench_files --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "BenchMain.h"
#include "core/app/RecoverySession.h"
#include "core/base/DataPaths.h"
#include "core/base/IniDocument.h"
#include "core/canvas/PalmFonts.h"
#include "core/files/FormFile.h"
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

// The shapes of a big form: `kShapeRecords` label records each, except the
// list, which is one list box of as many items.
enum class Shape {
    Plain,             // unique names, each on the screen
    DuplicateNames,    // every name twice: the second of each refused
    NoParents,         // no "Parent" key
    UnknownParents,    // a "Parent" that names nothing, a different one each
    DuplicateSections, // every section twice: only the first is read
    LongList,          // one list of all the items
};
constexpr int kShapeRecords = 100000;

QByteArray shapedForm(Shape shape)
{
    QByteArray text = "[FORM]\nName=Big\nLib=1\n";
    text.reserve(kShapeRecords * 80);
    if (shape == Shape::LongList) {
        text += "[L]\nControl=ListBox\nName=L\nParent=panScreen\nCount="
                + QByteArray::number(kShapeRecords) + '\n';
        for (int i = 0; i < kShapeRecords; ++i)
            text += "Item" + QByteArray::number(i) + "=Line " + QByteArray::number(i) + '\n';
        return text;
    }
    for (int i = 0; i < kShapeRecords; ++i) {
        const QByteArray n = QByteArray::number(shape == Shape::DuplicateSections ? i / 2 : i);
        text += "[C" + n + "]\nControl=Label\nName=C"
                + (shape == Shape::DuplicateNames ? QByteArray::number(i / 2) : n)
                + "\nLeft=" + QByteArray::number(i % 140) + "\nTop=" + QByteArray::number(i % 120);
        if (shape == Shape::UnknownParents)
            text += "\nParent=Nowhere" + n;
        else if (shape != Shape::NoParents)
            text += "\nParent=panScreen";
        text += "\nContent=Label " + n + '\n';
    }
    return text;
}

void loadShapedForm(benchmark::State &state, Shape shape)
{
    const QByteArray text = shapedForm(shape);
    SilentUserInterface ui;
    DesignProject project(ui);
    project.setLibrary(kLibraryCControls);
    for (auto _ : state) {
        IniDocument doc;
        doc.parse(text);
        auto form = std::make_unique<DesignForm>(project, readFormName(doc));
        const FileProblems problems = readForm(*form, doc);
        benchmark::DoNotOptimize(problems);
        state.PauseTiming();
        state.counters["objects"] = double(form->screen()->children().size());
        form.reset();
        state.ResumeTiming();
    }
    state.counters["bytes"] = double(text.size());
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
BENCHMARK_CAPTURE(loadShapedForm, Plain, Shape::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadShapedForm, DuplicateNames, Shape::DuplicateNames)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadShapedForm, NoParents, Shape::NoParents)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadShapedForm, UnknownParents, Shape::UnknownParents)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadShapedForm, DuplicateSections, Shape::DuplicateSections)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadShapedForm, LongList, Shape::LongList)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryCopy, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryCopy, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryText, CControls, kLibraryCControls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recoveryText, PToolBox, kLibraryPToolBox)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    zf::loadPalmFonts(zf::dataPath(QStringLiteral("fonts")));
    return zf::bench::runBenchmarks(argc, argv);
}
