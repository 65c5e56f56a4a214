#include "simapp_testsupport.h"

#include <QAtomicInt>
#include <QFile>

#include <future>
#include <thread>

#include "platform/eventwait.h"
#include "platform/handover.h"
#include "screenimage.h"
#include "simcore/displayengine.h"
#include "simcore/interpreter.h"

namespace ztk::simapp::testing {
namespace {

class DiscardingSink final : public sim::PresentSink {
  public:
    void present(const sim::ScreenView&, const sim::PixelRect&) override {}
};

// Runs `work` on a thread of its own while this thread's event loop runs.
template <typename Result, typename Work>
Result onOtherThread(Work work) {
    std::packaged_task<Result()> task(std::move(work));
    std::future<Result> result = task.get_future();
    std::thread thread(std::move(task));
    platform::waitUntil(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5);
    thread.join();
    return result.get();
}

sim::LedBitmap ledsShown(const ScreenImage& image, int columns, int rows, int zoom) {
    sim::LedBitmap leds(columns, rows, 0);
    const int pitch = zoom + 1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x)
            leds.set(x, y, image.pixelIndex(x * pitch + zoom / 2, y * pitch + zoom / 2));
    }
    return leds;
}

}  // namespace

void SettingsFolder::write(const QByteArray& text) const {
    QFile file(settingsPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text);
}

QString uniqueClassName() {
    static QAtomicInt counter;
    return QStringLiteral("simapp-test-%1").arg(counter.fetchAndAddRelaxed(1));
}

std::optional<std::int64_t> sendCopyData(const QString& className, std::uint64_t kind,
                                         const QByteArray& data) {
    return onOtherThread<std::optional<std::int64_t>>(
        [className, kind, data]() -> std::optional<std::int64_t> {
            const auto client = platform::HandoverClient::find(className);
            if (!client) return std::nullopt;
            return client->sendCopyData(kind, data);
        });
}

bool sendClose(const QString& className) {
    return onOtherThread<bool>([className] {
        const auto client = platform::HandoverClient::find(className);
        return client && client->sendClose();
    });
}

QByteArray packet(const std::string& command) {
    return QByteArray("\x01\x01\x01\x01\x01\x01Z00\x02") +
           QByteArray(command.data(), static_cast<qsizetype>(command.size())) + '\x04';
}

sim::LedBitmap ledsRendered(const sim::DisplayModel& model, const std::vector<QByteArray>& packets,
                            int steps) {
    sim::PacketInterpreter interpreter(model);
    for (const QByteArray& p : packets) {
        const std::span bytes(reinterpret_cast<const std::uint8_t*>(p.constData()),
                              static_cast<std::size_t>(p.size()));
        if (p.contains("\x02G"))
            interpreter.interpretStringPacket(bytes);
        else
            interpreter.newMessage(bytes);
    }
    DiscardingSink sink;
    sim::EngineOptions options;
    options.zoom = 0;
    options.seed = 1;
    options.presentInterval = {};
    sim::DisplayEngine engine(interpreter, model, sink, options);
    for (int i = 0; i < steps; ++i)
        engine.step();
    return engine.surface().screen().leds();
}

bool waitForLeds(const ScreenImage& image, const sim::DisplayModel& model, int zoom,
                 const sim::LedBitmap& expected, int timeoutMs) {
    return platform::waitUntil(
        [&] { return ledsShown(image, model.columns, model.rows, zoom) == expected; }, 10,
        timeoutMs);
}

}  // namespace ztk::simapp::testing
