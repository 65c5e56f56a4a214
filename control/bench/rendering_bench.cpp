// SPDX-License-Identifier: MIT
// The control's own work for displays, variable updates and alarms, beside the time the
// bytes it sends take on the wire (10 bits a byte). The control talks to a TCP peer on
// loopback, on another thread of this process, that reads and drops everything, so the
// figures include handing the packets to the socket but no waiting for a sign.
//
// Counters: bytes = bytes sent per call; wire9600_ms / wire115200_ms = their wire time;
// pct9600 / pct115200 = the control's CPU time per call as a percentage of that wire time;
// pct115200_goal = the most pct115200 may be.
//
// Template displays run on files of 10 to 10,000 items with the wanted template last, warm
// (the file unchanged since the last display) and cold (a file not shown lately). The files
// are written first and left alone long enough to count as settled, as a message file on
// show usually is.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <time.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ZTKMarqueeControl/marquee.h"
#include "front/pausetimer.h"
#include "mixedfile.h"
#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"
#include "platform/eventwait.h"
#include "protocol/itemrenderer.h"
#include "protocol/variablestable.h"

namespace {

using namespace ztk;
using namespace ztk::msgfile;
using ztk::msgfile::bench::addItem;
using ztk::msgfile::bench::writeMixedFile;

// The CPU time of this thread, user and system: what the control itself costs, unaffected by
// other programs on a busy machine (the benchmark's own "Time" column shows the wall time).
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now() {
        timespec now{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
    }
};

// The item counts of the template display cases, and how many copies of each file the cold
// case cycles through (more than a control keeps parsed).
const std::vector<int> kItemCounts{10, 100, 1000, 2000, 10000};
constexpr int kColdCopies = 6;

QTemporaryDir* benchDir = nullptr;

std::string benchFile(const char* name) {
    return benchDir->filePath(QString::fromLatin1(name)).toStdString();
}

// A TCP peer that counts and drops what it receives, on a thread of its own as a sign is a
// device of its own: its reading is not counted as the control's work.
class DroppingPeer {
  public:
    DroppingPeer() {
        thread_.start();
        server_->moveToThread(&thread_);
        QMetaObject::invokeMethod(
            server_,
            [this] {
                for (quint16 port = 23500; port < 32767 && !server_->isListening(); ++port)
                    server_->listen(QHostAddress::LocalHost, port);
                QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
                    while (QTcpSocket* socket = server_->nextPendingConnection()) {
                        QObject::connect(socket, &QIODevice::readyRead, socket,
                                         [this, socket] { received_ += socket->readAll().size(); });
                    }
                });
                port_ = static_cast<qint16>(server_->serverPort());
            },
            Qt::BlockingQueuedConnection);
    }
    ~DroppingPeer() {
        QMetaObject::invokeMethod(
            server_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    DroppingPeer(const DroppingPeer&) = delete;
    DroppingPeer& operator=(const DroppingPeer&) = delete;

    qint16 port() const { return port_; }
    qint64 received() const { return received_; }

  private:
    QThread thread_;
    QTcpServer* server_ = new QTcpServer;  // lives on thread_ and is deleted there
    qint16 port_ = 0;
    std::atomic<qint64> received_{0};
};

// An initialized control on a dropping peer.
struct Session {
    explicit Session(const std::string& file) {
        ScopedPauseOverride noPause(0);
        marquee.setMarqueeConnectMode(1);
        marquee.setNetworkAddress("127.0.0.1");
        marquee.setNetworkPort(peer.port());
        marquee.setMessageFile(QString::fromStdString(file));
        marquee.Initialize();
    }
    DroppingPeer peer;
    Marquee marquee;
};

// Runs the event loop until the peer has read everything sent so far; its count then.
qint64 settle(Session& session) {
    qint64 last = -1;
    for (int quiet = 0; quiet < 3;) {
        platform::waitProcessingEvents(5);
        const qint64 now = session.peer.received();
        quiet = now == last ? quiet + 1 : 0;
        last = now;
    }
    return last;
}

// Sets the counters for calls that took `seconds` each and sent `bytes` each, against the
// goal of `goalPct` percent of the wire time at 115200 baud.
void report(benchmark::State& state, double seconds, double bytes, double goalPct = 1.0) {
    const double wire9600 = bytes * 10.0 / 9600.0;
    const double wire115200 = bytes * 10.0 / 115200.0;
    state.counters["bytes"] = bytes;
    state.counters["wire9600_ms"] = wire9600 * 1e3;
    state.counters["wire115200_ms"] = wire115200 * 1e3;
    state.counters["pct9600"] = 100.0 * seconds / wire9600;
    state.counters["pct115200"] = 100.0 * seconds / wire115200;
    state.counters["pct115200_goal"] = goalPct;
}

// Runs `call` as the measured body and reports it against the bytes each call sent.
template <typename Call>
void measure(benchmark::State& state, Session& session, double goalPct, Call&& call) {
    const qint64 before = settle(session);
    const auto start = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(call());
    const auto spent = Clock::now() - start;
    const auto calls = static_cast<double>(state.iterations());
    report(state, std::chrono::duration<double>(spent).count() / calls,
           static_cast<double>(settle(session) - before) / calls, goalPct);
}

// As measure(), with `prepare` run before each call outside the measured time.
template <typename Call, typename Prepare>
void measureEach(benchmark::State& state, Session& session, double goalPct, Call&& call,
                 Prepare&& prepare) {
    const qint64 before = settle(session);
    Clock::duration spent{};
    for (auto _ : state) {
        prepare();
        const auto start = Clock::now();
        benchmark::DoNotOptimize(call());
        spent += Clock::now() - start;
    }
    const auto calls = static_cast<double>(state.iterations());
    report(state, std::chrono::duration<double>(spent).count() / calls,
           static_cast<double>(settle(session) - before) / calls, goalPct);
}

// Copy `copy` of the file of `items` items (all copies hold the same bytes).
std::string mixedFile(int items, int copy = 0) {
    return benchFile(
        ("mixed" + std::to_string(items) + "-" + std::to_string(copy) + ".xml").c_str());
}

// Runs a template display case on every file size.
void itemCounts(benchmark::internal::Benchmark* display) {
    display->ArgName("items");
    for (const int items : kItemCounts)
        display->Arg(items);
}

void writeMixedFiles() {
    for (const int items : kItemCounts) {
        writeMixedFile(mixedFile(items), items);
        for (int copy = 1; copy < kColdCopies; ++copy)
            std::filesystem::copy_file(mixedFile(items), mixedFile(items, copy));
    }
}

// The template displayed again with the file unchanged: it costs microseconds, whatever the
// size of the file.
void BM_ChangeModeTemplateWarm(benchmark::State& state) {
    Session session(mixedFile(static_cast<int>(state.range(0))));
    session.marquee.setTemplateName("Wanted");
    session.marquee.ChangeMode("TEMPLATE");  // from now on each Clear blanks one field
    measure(state, session, 1.0, [&] { return session.marquee.ChangeMode("TEMPLATE"); });
}
BENCHMARK(BM_ChangeModeTemplateWarm)->Apply(itemCounts)->Unit(benchmark::kMicrosecond);

// The template displayed from a file that the control has not read lately: the whole file is
// read and parsed, and that still takes less than the wire time of what is sent.
void BM_ChangeModeTemplateCold(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    Session session(mixedFile(items));
    session.marquee.setTemplateName("Wanted");
    session.marquee.ChangeMode("TEMPLATE");
    int copy = 0;
    measureEach(
        state, session, 100.0, [&] { return session.marquee.ChangeMode("TEMPLATE"); },
        [&] {
            copy = (copy + 1) % kColdCopies;
            session.marquee.setMessageFile(QString::fromStdString(mixedFile(items, copy)));
        });
}
BENCHMARK(BM_ChangeModeTemplateCold)->Apply(itemCounts)->Unit(benchmark::kMicrosecond);

// The parts of a cold display of 2,000 items: loading the file as the authoring program
// does, and finding and rendering the template once loaded.
void BM_LoadMixedFile(benchmark::State& state) {
    const std::string file = mixedFile(2000);
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(loadMessageFile(doc, file));
    }
}
BENCHMARK(BM_LoadMixedFile)->Unit(benchmark::kMillisecond);

void BM_FindAndRenderLoadedTemplate(benchmark::State& state) {
    struct NoLog : protocol::RenderLog {
        void routineFailed(const QString&, const protocol::RenderFailure&) override {}
    } log;
    pugi::xml_document doc;
    loadMessageFile(doc, mixedFile(2000));
    protocol::VariablesTable variables;
    for (auto _ : state) {
        variables.empty();
        protocol::ItemRenderer renderer(variables, log, 0);
        const pugi::xml_node templ = findItem(doc, elem::kTemplate, "Wanted").item;
        benchmark::DoNotOptimize(renderer.renderTemplate(templ));
    }
}
BENCHMARK(BM_FindAndRenderLoadedTemplate)->Unit(benchmark::kMicrosecond);

void BM_FindLoadedTemplate(benchmark::State& state) {
    pugi::xml_document doc;
    loadMessageFile(doc, mixedFile(2000));
    for (auto _ : state)
        benchmark::DoNotOptimize(findItem(doc, elem::kTemplate, "Wanted").item);
}
BENCHMARK(BM_FindLoadedTemplate)->Unit(benchmark::kMicrosecond);

// A template of 64 fields, four wide, eight to a row.
const std::string& sixtyFourFields() {
    static const std::string path = [] {
        pugi::xml_document doc;
        resetToNewFile(doc);
        TemplateContent board{Board(8, 40), {}, "S7"};
        for (int i = 0; i < 64; ++i) {
            addVariableField(board, {i / 8, (i % 8) * 5, 4, "field" + std::to_string(i)},
                             kRgbAmber);
        }
        WriteTemplate(addItem(doc, elem::kTemplate, "Fields"), board);
        const std::string file = benchFile("fields.xml");
        saveDocument(doc, file);
        return file;
    }();
    return path;
}

void BM_UpdateVariableOf64Fields(benchmark::State& state) {
    Session session(sixtyFourFields());
    session.marquee.setTemplateName("Fields");
    session.marquee.ChangeMode("TEMPLATE");
    // The last field registered: every entry is compared before it is found.
    measure(state, session, 0.5, [&] { return session.marquee.UpdateVariable("FIELD63", "1234"); });
}
BENCHMARK(BM_UpdateVariableOf64Fields)->Unit(benchmark::kMicrosecond);

// 51 alarms in a small file; 50 are raised first, the benchmark adds the 51st.
const std::string& alarmFile() {
    static const std::string path = [] {
        pugi::xml_document doc;
        resetToNewFile(doc);
        const DisplayBoxes boxes{"3", "--", "Flash", "Fill", "S7"};
        for (int i = 0; i <= 50; ++i) {
            WriteAlarm(addItem(doc, elem::kAlarm, "alarm" + std::to_string(i)),
                       {{"Stop line " + std::to_string(i) + " now", kRgbRed}}, boxes);
        }
        const std::string file = benchFile("alarms.xml");
        saveDocument(doc, file);
        return file;
    }();
    return path;
}

void BM_AlarmAddWith50Active(benchmark::State& state) {
    Session session(alarmFile());
    for (int i = 0; i < 50; ++i) {
        session.marquee.setAlarmName(QStringLiteral("alarm%1").arg(i));
        session.marquee.AlarmAdd();
    }
    session.marquee.setAlarmName("alarm50");
    // Only AlarmAdd is measured and counted; acknowledging the 51st again (which re-sends
    // the other 50) is not.
    const qint64 before = settle(session);
    session.marquee.AlarmAdd();
    const qint64 added = settle(session) - before;
    session.marquee.AlarmAcknowledge();
    Clock::duration spent{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(session.marquee.AlarmAdd());
        spent += Clock::now() - start;
        state.PauseTiming();
        session.marquee.AlarmAcknowledge();
        state.ResumeTiming();
    }
    report(state,
           std::chrono::duration<double>(spent).count() / static_cast<double>(state.iterations()),
           static_cast<double>(added));
}
BENCHMARK(BM_AlarmAddWith50Active)->Unit(benchmark::kMicrosecond);

}  // namespace

// Files written just now are read afresh until they have been left alone a few seconds;
// waits until the benchmark's files have.
void letFilesSettle() {
    std::this_thread::sleep_for(std::chrono::milliseconds(3500));
}

int main(int argc, char** argv) {
    QTemporaryDir dir;
    benchDir = &dir;
    writeMixedFiles();
    sixtyFourFields();
    alarmFile();
    letFilesSettle();
    // A private settings folder: no packet dump, no user setting touched.
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
