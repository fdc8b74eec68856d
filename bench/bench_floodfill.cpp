// Flood fill of six pictures, each beside OpenCV's cv::floodFill on the same
// pixels (when OpenCV is there) and a memcpy of the picture's bytes.
//
// Every iteration fills the same region: it alternates between two colours,
// so the region painted in one iteration is the seed region of the next.

#include "canvas/BlankGrid.h"
#include "canvas/FloodFill.h"

#include <QImage>
#include <benchmark/benchmark.h>

#ifdef VELLUM_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

#include <cstring>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Paint = 0xff2060c0;

struct Case {
    QImage image;
    QPoint seed;
    qint64 region = 0; // pixels one fill paints
};

qint64 countChanged(const QImage& a, const QImage& b) {
    qint64 n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += p[x] != q[x];
    }
    return n;
}

Case finish(QImage image, QPoint seed) {
    QImage filled = image.copy();
    vellum::floodFill(filled, seed, Paint);
    const qint64 region = countChanged(image, filled);
    return {std::move(image), seed, region};
}

QImage uniform(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

// A perfect maze of one-pixel corridors (depth-first, so long winding
// passages): cells on even coordinates, walls black.
QImage maze(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Black);
    const int cells = size / 2;
    std::vector<bool> seen(size_t(cells) * cells, false);
    std::vector<int> stack{0};
    seen[0] = true;
    std::mt19937 rng(20240611);
    auto open = [&image](int x, int y) { reinterpret_cast<QRgb*>(image.scanLine(y))[x] = White; };
    open(0, 0);
    while (!stack.empty()) {
        const int c = stack.back();
        const int cx = c % cells, cy = c / cells;
        int options[4], n = 0;
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int k = 0; k < 4; ++k) {
            const int nx = cx + dx[k], ny = cy + dy[k];
            if (nx >= 0 && ny >= 0 && nx < cells && ny < cells && !seen[size_t(ny) * cells + nx])
                options[n++] = k;
        }
        if (n == 0) {
            stack.pop_back();
            continue;
        }
        const int k = options[rng() % unsigned(n)];
        const int nx = cx + dx[k], ny = cy + dy[k];
        seen[size_t(ny) * cells + nx] = true;
        open(2 * cx + dx[k], 2 * cy + dy[k]);
        open(2 * nx, 2 * ny);
        stack.push_back(ny * cells + nx);
    }
    return image;
}

// Random noise, about 65 % white; the seed is a white pixel of the large
// connected cluster that forms above the percolation threshold.
Case noise(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    std::mt19937 rng(7);
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            row[x] = rng() % 100 < 65 ? White : Black;
    }
    for (int x = size / 2;; ++x) {
        if (image.pixel(x, size / 2) != White)
            continue;
        Case c = finish(image, QPoint(x, size / 2));
        if (c.region > qint64(size) * size / 4)
            return c;
    }
}

const Case& white720() {
    static const Case c = finish(uniform(720), QPoint(360, 360));
    return c;
}
const Case& gridNet() {
    static const Case c = finish(vellum::blankGridPicture(), QPoint(30, 100));
    return c;
}
const Case& gridCell() {
    static const Case c = finish(vellum::blankGridPicture(), QPoint(45, 45));
    return c;
}
const Case& white4096() {
    static const Case c = finish(uniform(4096), QPoint(2048, 2048));
    return c;
}
const Case& maze4096() {
    static const Case c = finish(maze(4096), QPoint(0, 0));
    return c;
}
const Case& noise4096() {
    static const Case c = noise(4096);
    return c;
}

using CaseFn = const Case& (*)();

void setRate(benchmark::State& state, qint64 pixels) {
    state.counters["pixels/s"] = benchmark::Counter(double(pixels) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
    state.counters["pixels"] = double(pixels);
}

void BM_FloodFill(benchmark::State& state, CaseFn make) {
    const Case& c = make();
    QImage image = c.image.copy();
    QRgb from = image.pixel(c.seed), to = Paint;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vellum::floodFill(image, c.seed, to));
        std::swap(from, to);
    }
    setRate(state, c.region);
}

#ifdef VELLUM_HAVE_OPENCV
cv::Mat wrap(QImage& image) {
    return cv::Mat(image.height(), image.width(), CV_32SC1, image.bits(),
                   size_t(image.bytesPerLine()));
}

void cvFill(QImage& image, QPoint seed, QRgb colour) {
    cv::Mat m = wrap(image);
    cv::floodFill(m, cv::Point(seed.x(), seed.y()), cv::Scalar(double(qint32(colour))), nullptr,
                  cv::Scalar(), cv::Scalar(), 4);
}

void BM_OpenCV(benchmark::State& state, CaseFn make) {
    const Case& c = make();
    // same pixels as ours, or the comparison means nothing
    QImage ours = c.image.copy(), theirs = c.image.copy();
    vellum::floodFill(ours, c.seed, Paint);
    cvFill(theirs, c.seed, Paint);
    if (ours != theirs) {
        state.SkipWithError("cv::floodFill painted other pixels");
        return;
    }
    QImage image = c.image.copy();
    QRgb from = image.pixel(c.seed), to = Paint;
    for (auto _ : state) {
        cvFill(image, c.seed, to);
        std::swap(from, to);
    }
    setRate(state, c.region);
}
#endif

void BM_Memcpy(benchmark::State& state, CaseFn make) {
    const Case& c = make();
    const auto bytes = size_t(c.image.sizeInBytes());
    std::vector<uchar> target(bytes);
    for (auto _ : state) {
        std::memcpy(target.data(), c.image.constBits(), bytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    setRate(state, qint64(c.image.width()) * c.image.height());
}

void registerCase(const char* name, CaseFn make, benchmark::TimeUnit unit) {
    using namespace std::string_literals;
    benchmark::RegisterBenchmark(("floodFill/"s + name).c_str(), BM_FloodFill, make)->Unit(unit);
#ifdef VELLUM_HAVE_OPENCV
    benchmark::RegisterBenchmark(("cv::floodFill/"s + name).c_str(), BM_OpenCV, make)->Unit(unit);
#endif
    benchmark::RegisterBenchmark(("memcpy/"s + name).c_str(), BM_Memcpy, make)->Unit(unit);
}

const bool registered = [] {
    registerCase("white_720", white720, benchmark::kMillisecond);
    registerCase("grid_net_720", gridNet, benchmark::kMillisecond);
    registerCase("grid_cell_29", gridCell, benchmark::kMicrosecond);
    registerCase("white_4096", white4096, benchmark::kMillisecond);
    registerCase("maze_4096", maze4096, benchmark::kMillisecond);
    registerCase("noise65_4096", noise4096, benchmark::kMillisecond);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
