// How fast a design window follows the mouse: from one mouse message of a
// drag to the window's repainted picture, at 4x on a form of 60 controls.
// Runs offscreen unless a display is named (QT_QPA_PLATFORM=xcb under Xvfb
// measures the way to the X server too).

#include "BenchMain.h"
#include "core/designer/FormHitTest.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/LibrarySupport.h"
#include "gui/app/Main.h"
#include "gui/designer/ChildFor.h"
#include "gui/designer/DesignWindows.h"
#include "gui/designer/FormView.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace zf;

namespace {

constexpr int kControls = 60;

class PaintCounter : public QObject
{
public:
    qint64 count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

void send(QWidget *view, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, {});
    QApplication::sendEvent(view, &event);
}

// A form filled with controls of every kind that lies on the screen, on a
// grid of 6 columns and 10 rows.
void fill(DesignProject &project, DesignForm &form)
{
    const ControlKind kinds[] = {
        ControlKind::Button, ControlKind::Label,    ControlKind::CheckBox, ControlKind::Switch,
        ControlKind::Edit,   ControlKind::ListBox,  ControlKind::Radio,    ControlKind::DropDown,
        ControlKind::Image,  ControlKind::EditLine, ControlKind::PopUp,    ControlKind::Table};
    for (int i = 0; i < kControls; ++i) {
        project.setPressedTool(kinds[i % std::size(kinds)]);
        project.librarySupport().createControlAt(form, (i % 6) * 26, (i / 6) * 16, form.screen());
    }
}

void DragAt(benchmark::State &state, int scale)
{
    QTemporaryDir dir;
    TMainForm window(dir.filePath(QStringLiteral("options.ini")));
    window.project().setLibrary(kLibraryCControls);
    window.action(QStringLiteral("mnuViewGrid"))->trigger();
    window.resize(1280, 1000);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the main window was never shown");
        return;
    }
    DesignForm &form = window.formCommands().nuevoForm();
    QCoreApplication::processEvents();
    window.designWindows()->setScale(scale);
    fill(window.project(), form);
    FormView *view = window.designWindows()->frameOf(&form)->imgPalm();
    view->repaint();

    // Hold the topmost control that shows its middle, and shake it by a
    // grid step.
    DesignObject *control = nullptr;
    QPoint middle;
    const ChildList &children = form.screen()->children();
    for (int i = children.size() - 1; i >= 0 && !control; --i) {
        middle = windowOrigin(*children.at(i)) + children.at(i)->bounds().center() -
                 children.at(i)->bounds().topLeft();
        if (objectAt(form, middle) == children.at(i))
            control = children.at(i);
    }
    if (!control) {
        state.SkipWithError("no control to hold");
        return;
    }
    const QPoint grip = view->widgetPoint(middle) + QPoint(scale / 2, scale / 2);
    send(view, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    const QPoint step(4 * scale, 0);
    bool away = false;
    const int startLeft = control->left();
    // Every message must move the control and every repaint draw it anew,
    // or the loop would time nothing.
    qint64 changes = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&form, &DesignForm::changed, view, [&changes] { ++changes; });
    PaintCounter paints;
    view->installEventFilter(&paints);
    qint64 moves = 0;
    for (auto _ : state) {
        away = !away;
        send(view, QEvent::MouseMove, away ? grip + step : grip, Qt::LeftButton);
        view->repaint();
        ++moves;
        if (control->left() != (away ? startLeft + 4 : startLeft)) {
            state.SkipWithError("the control did not follow the mouse");
            break;
        }
    }
    send(view, QEvent::MouseButtonRelease, grip, Qt::NoButton);
    QObject::disconnect(counting);
    view->removeEventFilter(&paints);
    if (changes < moves || paints.count < moves)
        state.SkipWithError("a move was not drawn");
    state.counters["controls"] = double(form.screen()->children().size());
}

void BM_DragRepaint1x(benchmark::State &state)
{
    DragAt(state, 1);
}

void BM_DragRepaint4x(benchmark::State &state)
{
    DragAt(state, 4);
}

BENCHMARK(BM_DragRepaint1x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragRepaint4x)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return zf::bench::runBenchmarks(argc, argv);
}
