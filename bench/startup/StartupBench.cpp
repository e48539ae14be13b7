// From nothing to the main window on screen, as the program starts: the
// window and its tool windows built, the options read, the Palm fonts
// loaded, the toolbox set up, the window shown and painted once. Run with a
// real display or QT_QPA_PLATFORM=offscreen.
#include "BenchMain.h"
#include "gui/app/Main.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void startUp(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString options = dir.filePath(QStringLiteral("options.ini"));
    for (auto _ : state) {
        auto window = std::make_unique<zf::TMainForm>(options);
        window->startUp();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            state.SkipWithError("the window was never shown");
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(startUp)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return zf::bench::runBenchmarks(argc, argv);
}
