// SPDX-License-Identifier: MIT
// Cost of handing packets over, per packet and per connection, and what a wait costs the
// processor (its CPU column should stay near zero while the real time is the wait).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <memory>

#include "platform/eventwait.h"
#include "platform/handover.h"

namespace {

using namespace ztk::platform;

// A receiver on its own thread that answers every copy-data record with its size.
class Receiver {
  public:
    Receiver() {
        anchor_.moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(
            &anchor_,
            [this] {
                server_ = std::make_unique<HandoverServer>();
                server_->setCopyDataHandler(
                    [](std::uint64_t, const QByteArray& data) { return data.size(); });
                listening_ = server_->listen(QStringLiteral("benchwin"));
            },
            Qt::BlockingQueuedConnection);
    }
    ~Receiver() {
        QMetaObject::invokeMethod(
            &anchor_, [this] { server_.reset(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    bool listening() const { return listening_; }

  private:
    QThread thread_;
    QObject anchor_;
    std::unique_ptr<HandoverServer> server_;
    bool listening_ = false;
};

void BM_CopyDataOnOpenConnection(benchmark::State& state) {
    Receiver receiver;
    auto client = HandoverClient::find(QStringLiteral("benchwin"));
    if (!receiver.listening() || !client) return state.SkipWithError("no receiver");
    const QByteArray packet(state.range(0), 'p');
    for (auto _ : state) {
        if (client->sendCopyData(586, packet) != packet.size()) {
            return state.SkipWithError("lost");
        }
    }
    state.SetBytesProcessed(state.iterations() * packet.size());
}
BENCHMARK(BM_CopyDataOnOpenConnection)->Arg(64)->Arg(4096)->Arg(1 << 20);

// What the control does for every packet: find the receiver, send, disconnect.
void BM_FindAndSendPerPacket(benchmark::State& state) {
    Receiver receiver;
    if (!receiver.listening()) return state.SkipWithError("no receiver");
    const QByteArray packet(200, 'p');
    for (auto _ : state) {
        auto client = HandoverClient::find(QStringLiteral("benchwin"));
        if (!client || client->sendCopyData(586, packet) != packet.size()) {
            return state.SkipWithError("lost");
        }
    }
}
BENCHMARK(BM_FindAndSendPerPacket);

void BM_WaitProcessingEvents(benchmark::State& state) {
    for (auto _ : state)
        waitProcessingEvents(static_cast<int>(state.range(0)));
}
BENCHMARK(BM_WaitProcessingEvents)->Arg(200)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    // Sockets go to a private folder, never the user's real runtime folder.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
