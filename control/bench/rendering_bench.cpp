// The control's own work for displays, variable updates and alarms, beside the time the
// bytes it sends take on the wire (10 bits a byte). The control talks to a TCP peer on
// loopback in this process that reads and drops everything, so the figures include handing
// the packets to the socket but no waiting for a sign.
//
// Counters: bytes = bytes sent per call; wire9600_ms / wire115200_ms = their wire time;
// pct9600 / pct115200 = the control's time per call as a percentage of that wire time
// (the goal is below 1).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <string>

#include "ZTKMarqueeControl/marquee.h"
#include "front/pausetimer.h"
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
using Clock = std::chrono::steady_clock;

QTemporaryDir* benchDir = nullptr;

std::string benchFile(const char* name) {
    return benchDir->filePath(QString::fromLatin1(name)).toStdString();
}

// A TCP peer that counts and drops what it receives.
class DroppingPeer {
  public:
    DroppingPeer() {
        for (quint16 port = 23500; port < 32767 && !server_.isListening(); ++port)
            server_.listen(QHostAddress::LocalHost, port);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QIODevice::readyRead,
                                 [this, socket] { received_ += socket->readAll().size(); });
            }
        });
    }
    qint16 port() const { return static_cast<qint16>(server_.serverPort()); }
    qint64 received() const { return received_; }

  private:
    QTcpServer server_;
    qint64 received_ = 0;
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

// Sets the counters for calls that took `seconds` each and sent `bytes` each.
void report(benchmark::State& state, double seconds, double bytes) {
    const double wire9600 = bytes * 10.0 / 9600.0;
    const double wire115200 = bytes * 10.0 / 115200.0;
    state.counters["bytes"] = bytes;
    state.counters["wire9600_ms"] = wire9600 * 1e3;
    state.counters["wire115200_ms"] = wire115200 * 1e3;
    state.counters["pct9600"] = 100.0 * seconds / wire9600;
    state.counters["pct115200"] = 100.0 * seconds / wire115200;
}

// Runs `call` as the measured body and reports it against the bytes each call sent.
template <typename Call>
void measure(benchmark::State& state, Session& session, Call&& call) {
    const qint64 before = settle(session);
    Clock::duration spent{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(call());
        spent += Clock::now() - start;
    }
    const auto calls = static_cast<double>(state.iterations());
    report(state, std::chrono::duration<double>(spent).count() / calls,
           static_cast<double>(settle(session) - before) / calls);
}

pugi::xml_node addItem(pugi::xml_document& doc, const char* element, const std::string& name) {
    pugi::xml_node item = doc.document_element().append_child(element);
    item.append_child(pugi::node_pcdata).set_value(name.c_str());
    return item;
}

// The status board template used by the mixed file: four rows of twenty, one field.
TemplateContent statusBoard() {
    TemplateContent board{Board(4, 20), {}, "S7"};
    board.board.put(0, 0, U"Line one of the board", kRgbGreen);
    board.board.put(2, 0, U"Shift A", kRgbRed);
    addVariableField(board, {1, 5, 6, "count"}, kRgbAmber);
    return board;
}

// 2,000 items, templates, strings and alarms in turn, the wanted template last.
const std::string& mixedFile() {
    static const std::string path = [] {
        pugi::xml_document doc;
        resetToNewFile(doc);
        const TemplateContent board = statusBoard();
        const DisplayBoxes boxes{"3", "--", "Rotate", "Top", "S7"};
        for (int i = 0; i < 1999; ++i) {
            const std::string name = "item" + std::to_string(i);
            switch (i % 3) {
                case 0:
                    WriteTemplate(addItem(doc, elem::kTemplate, name), board);
                    break;
                case 1:
                    WriteString(addItem(doc, elem::kString, name),
                                {{"Made <count> today", kRgbRed}}, boxes);
                    break;
                default:
                    WriteAlarm(addItem(doc, elem::kAlarm, name), {{"Line stopped", kRgbRed}},
                               boxes);
            }
        }
        WriteTemplate(addItem(doc, elem::kTemplate, "Wanted"), board);
        const std::string file = benchFile("mixed.xml");
        saveDocument(doc, file);
        return file;
    }();
    return path;
}

void BM_ChangeModeTemplateLastOf2000(benchmark::State& state) {
    Session session(mixedFile());
    session.marquee.setTemplateName("Wanted");
    session.marquee.ChangeMode("TEMPLATE");  // from now on each Clear blanks one field
    measure(state, session, [&] { return session.marquee.ChangeMode("TEMPLATE"); });
}
BENCHMARK(BM_ChangeModeTemplateLastOf2000)->Unit(benchmark::kMillisecond);

// The parts of that display: loading the file, and rendering the template once loaded.
void BM_LoadMixedFile(benchmark::State& state) {
    const std::string& file = mixedFile();
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
    loadMessageFile(doc, mixedFile());
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
    loadMessageFile(doc, mixedFile());
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
    measure(state, session, [&] { return session.marquee.UpdateVariable("FIELD63", "1234"); });
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

int main(int argc, char** argv) {
    QTemporaryDir dir;
    benchDir = &dir;
    // A private settings folder: no packet dump, no user setting touched.
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
