// The game's own work, timed in-process on the offscreen platform.

#include "BenchGame.h"
#include "FloorBoard.h"
#include "Module1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include <memory>

namespace {

constexpr QPointF BasketMiddle(500, 640);
constexpr QPoint BoxMiddle(150, 120);

// The board in one of its two states: 1 with the food of "f1" served, 0 with none.
QWidget* Board(const benchmark::State& state)
{
    if (state.range(0) == 1)
        BenchGame::ServeFood("f1");
    else
        BenchGame::Reset();
    return BenchGame::BoardWidget();
}

// The widget's own paint, without the controls over it, into an image of the
// window's own format, as a repaint draws it.
void PaintAlone(benchmark::State& state, QWidget* widget)
{
    QImage target(widget->size(), BenchGame::WindowImageFormat());
    for (auto _ : state)
        widget->render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
}

// The board's paint: backdrop, Canvas1_Paint and the canvas shown.
void Canvas1_Paint(benchmark::State& state)
{
    PaintAlone(state, Board(state));
}
BENCHMARK(Canvas1_Paint)->ArgName("item")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same pictures at the same places from plain Qt: the floor of Canvas1_Paint.
// A top-level widget, gone before the framework's end deletes every one left.
std::unique_ptr<FloorBoard> floorBoard;

void PaintFloor(benchmark::State& state)
{
    floorBoard->Served(state.range(0) == 1);
    PaintAlone(state, floorBoard.get());
}
BENCHMARK(PaintFloor)->ArgName("item")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A synchronous repaint of the board as the player sees it: its paint, then
// the boxes and the score label over it.
void BoardRepaint(benchmark::State& state)
{
    QWidget* board = Board(state);
    for (auto _ : state)
        board->repaint();
}
BENCHMARK(BoardRepaint)->ArgName("item")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void SendMouse(QWidget* widget, QEvent::Type type)
{
    QMouseEvent event(type, BasketMiddle, widget->mapToGlobal(BasketMiddle), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// From the mouse's release over the basket to the served item drawn.
void makefood(benchmark::State& state)
{
    QWidget* board = BenchGame::BoardWidget();
    for (auto _ : state) {
        state.PauseTiming();
        BenchGame::Reset();
        SendMouse(board, QEvent::MouseButtonPress);
        state.ResumeTiming();
        SendMouse(board, QEvent::MouseButtonRelease);
    }
}
BENCHMARK(makefood)->Iterations(300)->Unit(benchmark::kMicrosecond);

// A drop of the served item's picture on a box, from the drop event to the
// judgement. Argument: 1 for the box of the item's group, 0 for another.
void DropOnBox(benchmark::State& state)
{
    const bool right = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        const auto window = BenchGame::Serve();
        const std::string group = window->pix->name.substr(0, 1);
        QWidget* box = BenchGame::BoxWidget(right ? group : (group == "f" ? "v" : "f"));
        QImage image(window->pix->width, window->pix->height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::red);
        QMimeData data;
        data.setImageData(image);
        QDragEnterEvent enter(BoxMiddle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDragMoveEvent move(BoxMiddle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &move);
        QDropEvent drop(BoxMiddle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        state.ResumeTiming();
        QApplication::sendEvent(box, &drop);
        if (!window->pix.IsNil()) {
            state.SkipWithError("the drop was not judged");
            break;
        }
    }
}
BENCHMARK(DropOnBox)->ArgName("right")->Arg(0)->Arg(1)->Iterations(300)->Unit(benchmark::kMicrosecond);

// A new game's catalogue once every picture is loaded.
void dodict(benchmark::State& state)
{
    Module1::dodict();
    for (auto _ : state)
        Module1::dodict();
    BenchGame::Reset();
}
BENCHMARK(dodict)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BenchGame::PrepareEnvironment();
    BenchGame::Start();
    floorBoard = std::make_unique<FloorBoard>(BenchGame::Resources(), "apple.png");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    floorBoard.reset();
    BenchGame::Finish();
    return 0;
}
