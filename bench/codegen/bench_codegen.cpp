// Generating the four PocketC texts of a large project: 200 forms of 50
// controls each, every kind of both libraries in turn, with dialogs, lists,
// tables and bitmaps. Generate must feel instant: the target is a median
// under 50 ms.

#include "BenchMain.h"
#include "BigProject.h"
#include "core/codegen/CodeGenerator.h"
#include "core/codegen/CodeOutputs.h"
#include "core/codegen/PalmDoc.h"

#include <benchmark/benchmark.h>

using namespace zf;
using namespace zf::bench;

namespace {

void generate(benchmark::State &state, int library)
{
    const Project project(library, library == kLibraryCControls ? ccControl : ptControl);
    const CodeGenerator &generator = *CodeGenerator::forLibrary(library);
    qsizetype lines = 0;
    qsizetype characters = 0;
    for (auto _ : state) {
        GeneratedCode code;
        generator.generate({project.forms, nullptr, QStringLiteral("Big"), false, true}, code);
        benchmark::DoNotOptimize(code);
        state.PauseTiming();
        lines = characters = 0;
        for (const QStringList *text : {&code.main, &code.forms, &code.events, &code.header}) {
            lines += text->size();
            for (const QString &line : *text)
                characters += line.size() + 2; // and its CR LF
        }
        state.ResumeTiming();
    }
    state.counters["lines"] = double(lines);
    // One byte per character in the saved Windows-1252 files.
    state.SetBytesProcessed(state.iterations() * characters);
}

void BM_GenerateCControls(benchmark::State &state)
{
    generate(state, kLibraryCControls);
}
void BM_GeneratePToolBox(benchmark::State &state)
{
    generate(state, kLibraryPToolBox);
}

// Save DOC's own work: the forms text of the large CControls project
// compressed into a Palm DOC database.
void BM_DocDatabase(benchmark::State &state)
{
    const Project project(kLibraryCControls, ccControl);
    GeneratedCode code;
    CodeGenerator::forLibrary(kLibraryCControls)
        ->generate({project.forms, nullptr, QStringLiteral("Big"), true, true}, code);
    const QByteArray text = encodeSource(code.forms, QString(), u"\n").bytes;
    const QDateTime when = QDateTime::currentDateTime();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray database = docDatabase("BigForms.pc", text, when);
        size = database.size();
        benchmark::DoNotOptimize(database);
    }
    state.counters["ratio"] = double(size) / double(text.size());
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_DocDatabase)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

BENCHMARK(BM_GenerateCControls)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_GeneratePToolBox)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char **argv)
{
    return zf::bench::runBenchmarks(argc, argv);
}
