// One drawing operation on a large canvas: a press, N pointer moves and a
// release, as the layout window hands them to the tools. Runs with 0 and 100
// moves: the difference over 100 is the time per move; the 0-move run is the
// cost of the press and release themselves (the undo snapshot's copy).
#include "canvas/LayoutCanvas.h"
#include "shell/AppState.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace vellum;

namespace {

QImage paper(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void operation(benchmark::State& state, const char* toolKind) {
    resetAppState();
    app().toolKind = QString::fromLatin1(toolKind);
    Canvas canvas;
    Canvas snapshot;
    canvas.setPicture(paper(int(state.range(0))));
    LayoutCanvas target(canvas, snapshot);
    CanvasInputs in;
    in.lineTypeIndex = 0;
    in.fillTypeIndex = 1;
    in.shapeIndex = 0;
    in.currentTile = QImage(30, 30, QImage::Format_RGB32);
    in.currentTile.fill(Qt::darkGray);
    const int moves = int(state.range(1));
    for (auto _ : state) {
        target.move(0, 0, 100, 100, in);
        target.press(1, 0, 100, 100, in);
        for (int i = 1; i <= moves; ++i)
            target.move(1, 0, float(100 + 9 * i), float(100 + 5 * i), in);
        target.release(1, 0, 1000, 600, in);
        canvas.commit();
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * std::max(moves, 1));
}

void BM_LineRubberBand(benchmark::State& state) {
    operation(state, "Draw");
}
void BM_TileDrag(benchmark::State& state) {
    operation(state, "TileSet");
}
void BM_Freehand(benchmark::State& state) {
    operation(state, "Pencil");
}

} // namespace

BENCHMARK(BM_LineRubberBand)->ArgsProduct({{720, 4096}, {0, 100}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TileDrag)->ArgsProduct({{720, 4096}, {0, 100}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Freehand)->ArgsProduct({{720, 4096}, {0, 100}})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
