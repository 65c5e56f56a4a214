// SPDX-License-Identifier: MIT
// The sign window's own cost while the sign runs: a real window (offscreen, on a screen large
// enough for every size measured) with its display engine on its thread, holding a page and
// rotating a text. Each case runs the event loop for a few seconds of real time and reports
// the process's CPU as a share of one core next to its goal, the frames painted, and the CPU
// per painted frame.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <string>

#include "prompter.h"
#include "protocolsignwindow.h"
#include "simcore/interpreter.h"
#include "simsettings.h"

namespace {

using namespace ztk;

constexpr int kSettleMs = 1000;
constexpr int kMeasureMs = 3000;

class SilentPrompter final : public simapp::Prompter {
  public:
    void warning(QWidget*, const QString&, const QString&) override {}
};

// Counts the paints of the watched widget.
class PaintCounter final : public QObject {
  public:
    long long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QByteArray textPacket(const std::string& modeAndText) {
    std::string p =
        "\x01\x01\x01\x01\x01\x01Z00\x02"
        "AA\x1b"
        "0";
    p += modeAndText;
    p += '\x04';
    return QByteArray::fromStdString(p);
}

// range(0): 0 hold, 1 rotate; then columns, rows, zoom.
void BM_WindowRunning(benchmark::State& state) {
    const bool rotate = state.range(0) == 1;
    sim::DisplayModel model;
    model.columns = static_cast<int>(state.range(1));
    model.rows = static_cast<int>(state.range(2));
    const int zoom = static_cast<int>(state.range(3));

    QTemporaryDir folder;
    simapp::SimSettings settings(folder.filePath("orvexsim.ini"));
    SilentPrompter prompter;
    simapp::ProtocolSignWindow window(settings, prompter, "window-bench", 20);
    window.setSignGeometry(model, zoom);
    if (window.zoom() != zoom) {
        state.SkipWithError("the screen is too small for this zoom");
        return;
    }
    PaintCounter counter;
    window.installEventFilter(&counter);
    window.show();
    window.handleCopyData(
        sim::kKindNewMessage,
        textPacket(rotate ? "aRotating text that runs along the sign 12345" : "bHeld 1234"));
    runEvents(kSettleMs);

    double cpu = 0;
    long long frames = 0;
    for (auto _ : state) {
        const long long paintsBefore = counter.paints;
        const double before = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runEvents(kMeasureMs);
        cpu = cpuSeconds() - before;
        frames = counter.paints - paintsBefore;
        state.SetIterationTime(static_cast<double>(wall.nsecsElapsed()) / 1e9);
        const double pct = 100.0 * cpu / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
        state.counters["core_pct"] = pct;
    }
    state.counters["core_pct_goal"] = rotate ? 1.5 : 0.3;
    state.counters["frames_per_s"] = static_cast<double>(frames) * 1000.0 / kMeasureMs;
    state.counters["us_per_frame"] = frames > 0 ? cpu * 1e6 / static_cast<double>(frames) : 0.0;
    window.shutDown();
}
BENCHMARK(BM_WindowRunning)
    ->ArgNames({"rotate", "cols", "rows", "zoom"})
    ->Args({0, 120, 24, 5})
    ->Args({0, 640, 480, 1})
    ->Args({1, 120, 24, 5})
    ->Args({1, 640, 480, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen, on one large screen, with settings and runtime folders of its own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    const QString screens = home.filePath("screens.json");
    QFile config(screens);
    if (config.open(QIODevice::WriteOnly)) {
        config.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 2560,
            "height": 1600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.close();
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
