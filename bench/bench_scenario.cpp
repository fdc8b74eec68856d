// Open and rewrite of the largest scenario a file can hold: 32767 maps and
// 32767 footnotes, every description about 1 KB. Open is set beside reading
// the same bytes with QFile::readAll, and one rewrite (a footnote added)
// beside copying the file twice with cp (run through std::system, process
// start included). The ratios are printed after the runs.

#include "document/RecordWriter.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioOpen.h"
#include "document/WorkingFiles.h"
#include "shell/AppState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using namespace vellum;

constexpr int kMaps = 32767;

QString description(int n, const char* what) {
    QString text = QStringLiteral("%1 %2: ").arg(QLatin1String(what)).arg(n);
    while (text.size() < 1000)
        text += QStringLiteral("a passage, dark and narrow,\r\nwinds down to the old well. ");
    return text.left(1024);
}

QString mapTitle(int n) {
    return QStringLiteral("Map %1").arg(n);
}

void writeScenario(const QString& path, int footnotes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    RecordWriter w(&file);
    w.writeHeader({QStringLiteral("Keep"), QStringLiteral("Ann"), QStringLiteral("1/2/2024"),
                   description(0, "start"), qint16(kMaps), qint16(footnotes)});
    for (int i = 1; i <= kMaps; ++i)
        w.writeMap({mapTitle(i), QStringLiteral("Town"), description(i, "map")});
    for (int i = 1; i <= footnotes; ++i)
        w.writeFootnote({mapTitle(1 + (i * 7919) % kMaps), QString::number(i),
                         description(i, "beginning"), description(i, "reading"),
                         description(i, "not read")});
}

struct Files {
    QTemporaryDir dir;
    QString full;    // 32767 maps and 32767 footnotes
    QString roomy;   // one footnote fewer, so that one can be added
    QString scratch; // the copy a rewrite works on
    qint64 fullSize = 0;

    Files() {
        WorkingFiles::setFolder(dir.path());
        full = dir.filePath(QStringLiteral("full.vmd"));
        roomy = dir.filePath(QStringLiteral("roomy.vmd"));
        scratch = dir.filePath(QStringLiteral("scratch.vmd"));
        writeScenario(full, kMaps);
        writeScenario(roomy, kMaps - 1);
        fullSize = QFileInfo(full).size();
    }
};

Files& files() {
    static Files f;
    return f;
}

void readAll(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(files().full);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
    state.SetBytesProcessed(state.iterations() * files().fullSize);
}

void open(benchmark::State& state) {
    for (auto _ : state) {
        const OpenedScenario opened = ScenarioOpen::read(files().full, 0, 0);
        if (!opened.reached(OpenedScenario::Stage::Complete))
            state.SkipWithError("Open did not complete");
        benchmark::DoNotOptimize(opened.footnoteNodes.size());
    }
    state.SetBytesProcessed(state.iterations() * files().fullSize);
}

void copyTwiceWithCp(benchmark::State& state) {
    const std::string from = QFile::encodeName(files().roomy).toStdString();
    const std::string mid = QFile::encodeName(files().scratch).toStdString();
    const std::string to = QFile::encodeName(WorkingFiles::temporaryCopy()).toStdString();
    const std::string command = "cp '" + from + "' '" + mid + "' && cp '" + mid + "' '" + to + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("cp failed");
    }
}

void rewriteAddingAFootnote(benchmark::State& state) {
    const FootnoteRecord added{mapTitle(5), QStringLiteral("new"), description(1, "b"),
                               description(1, "r"), description(1, "n")};
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(files().scratch);
        QFile::copy(files().roomy, files().scratch);
        app().footnoteCount = kMaps;
        state.ResumeTiming();
        if (!ScenarioFile::addFootnote(files().scratch, added).ok())
            state.SkipWithError("rewrite failed");
    }
}

BENCHMARK(readAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(open)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(copyTwiceWithCp)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(rewriteAddingAFootnote)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each benchmark's time per iteration so the ratios can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void printRatio(const RatioReporter& r, const char* label, const char* a, const char* b) {
    const auto x = r.times.find(a);
    const auto y = r.times.find(b);
    if (x != r.times.end() && y != r.times.end() && y->second > 0)
        std::printf("%s: %.2f\n", label, x->second / y->second);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("scenario file: %.1f MB\n", double(files().fullSize) / (1024 * 1024));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatio(reporter, "Open / readAll", "open", "readAll");
    printRatio(reporter, "rewrite / cp twice", "rewriteAddingAFootnote", "copyTwiceWithCp");
    benchmark::Shutdown();
    return 0;
}
