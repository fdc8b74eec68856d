// Tile stamping on a 720 x 720 canvas: TransparentBlit beside QPainter's
// drawImage of the same tile keyed beforehand (magenta made alpha 0,
// premultiplied), which is what a stamp would cost through QPainter.

#include "canvas/BlankGrid.h"
#include "canvas/Transparent.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr QRgb Magenta = 0xffff00ff;

// A tile with magenta corners and a see-through band, like a wall piece.
QImage tile(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    std::mt19937 rng(5);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool seeThrough = y > h * 2 / 3 || (x < 3 && y < 3) || (x >= w - 3 && y < 3);
            image.setPixel(x, y, seeThrough ? Magenta : 0xff000000 | (rng() & 0xffffff));
        }
    return image;
}

QImage keyed(const QImage& tile) {
    QImage argb = tile.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((row[x] & 0xffffff) == (Magenta & 0xffffff))
                row[x] = 0;
    }
    return argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void setRate(benchmark::State& state, qint64 pixels) {
    state.counters["pixels/s"] = benchmark::Counter(double(pixels) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}

void BM_Blit(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    const QImage t = tile(w, h);
    QImage canvas = vellum::blankGridPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vellum::TransparentBlit(canvas, t, 90, 120, qint16(w), qint16(h), Magenta));
    setRate(state, qint64(w) * h);
}

void BM_DrawImage(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    const QImage t = keyed(tile(w, h));
    QImage canvas = vellum::blankGridPicture();
    QPainter p(&canvas);
    for (auto _ : state) {
        p.drawImage(90, 120, t);
        benchmark::ClobberMemory();
    }
    setRate(state, qint64(w) * h);
}

// Every cell of the canvas stamped once: 24 x 24 tiles.
void BM_RestampCanvas(benchmark::State& state) {
    const QImage t = tile(30, 30);
    QImage canvas = vellum::blankGridPicture();
    for (auto _ : state)
        for (int y = 0; y < 720; y += 30)
            for (int x = 0; x < 720; x += 30)
                benchmark::DoNotOptimize(
                    vellum::TransparentBlit(canvas, t, qint16(x), qint16(y), 30, 30, Magenta));
    setRate(state, 720 * 720);
}

void BM_RestampCanvasDrawImage(benchmark::State& state) {
    const QImage t = keyed(tile(30, 30));
    QImage canvas = vellum::blankGridPicture();
    QPainter p(&canvas);
    for (auto _ : state) {
        for (int y = 0; y < 720; y += 30)
            for (int x = 0; x < 720; x += 30)
                p.drawImage(x, y, t);
        benchmark::ClobberMemory();
    }
    setRate(state, 720 * 720);
}

} // namespace

BENCHMARK(BM_Blit)->Args({30, 30})->Args({300, 200})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawImage)->Args({30, 30})->Args({300, 200})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RestampCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RestampCanvasDrawImage)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
