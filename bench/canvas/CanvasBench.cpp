// Redrawing a form repaints everything from scratch, so the two hot paths are
// the screen with its dotted grid and the many short captions of controls.
#include "BenchMain.h"
#include "core/base/DataPaths.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/PalmFonts.h"

#include <QCoreApplication>
#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

// The screen of a form with the grid on: white, and a gray dot every third
// pixel both ways (54 x 54 = 2,916 dots).
void screenWithGrid(benchmark::State &state)
{
    QImage image(160, 160, QImage::Format_RGB32);
    zf::Canvas canvas(image);
    for (auto _ : state) {
        canvas.fillRect(0, 0, 160, 160, zf::kPalmWhite);
        for (int y = 0; y < 160; y += 3) {
            for (int x = 0; x < 160; x += 3)
                canvas.setPixel(x, y, zf::kPalmGray);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(screenWithGrid)->Repetitions(15)->ReportAggregatesOnly(true);

// A thousand captions of the usual length in the screen's and the bold font.
void thousandShortTexts(benchmark::State &state)
{
    QImage image(160, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    zf::Canvas canvas(image);
    const QStringList texts = {QStringLiteral("Button"), QStringLiteral("Label1"),
                               QStringLiteral("OK"),     QStringLiteral("Cancel"),
                               QStringLiteral("Name:"),  QStringLiteral("Caf\u00e9 12")};
    const zf::BitmapFont &regular = zf::palmFont(QStringLiteral("PalmText9"));
    const zf::BitmapFont &bold = zf::palmFont(QStringLiteral("PilotBold"));
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            canvas.setFont(i % 4 == 0 ? bold : regular);
            canvas.textOut((i * 7) % 120, (i * 13) % 148, texts[i % texts.size()]);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(thousandShortTexts)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    // The fonts are found relative to the executable.
    QCoreApplication app(argc, argv);
    zf::loadPalmFonts(zf::dataPath(QStringLiteral("fonts")));
    return zf::bench::runBenchmarks(argc, argv);
}
