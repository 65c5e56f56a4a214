// SPDX-License-Identifier: MIT
#include "readback.h"

#include <QBuffer>
#include <QSaveFile>
#include <QWindow>

#include "commandline.h"
#include "platform/handover.h"
#include "screenimage.h"
#include "signwindow.h"
#include "simcore/leddump.h"

namespace ztk::simapp {
namespace {

constexpr int kFindTimeoutMs = 2000;
constexpr int kReplyTimeoutMs = 10000;

const QString kSnapshotFlag = QStringLiteral("snapshot");
const QString kLedsFlag = QStringLiteral("leds");

void report(std::FILE* err, const QString& text) {
    std::fprintf(err, "orvexsim: %s\n", text.toLocal8Bit().constData());
}

// Writes `bytes` to `path` whole ("-": standard output); the file appears only once complete.
bool writeOutput(const QString& path, const QByteArray& bytes, std::FILE* out, QString& error) {
    if (path == QStringLiteral("-")) {
        const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), out) ==
                                 static_cast<std::size_t>(bytes.size()) &&
                             std::fflush(out) == 0;
        if (!written) error = QStringLiteral("cannot write to standard output");
        return written;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("cannot write \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

sim::LedBitmap ledsShown(const ScreenImage& image, int columns, int rows, int zoom) {
    sim::LedBitmap leds(columns, rows, 0);
    const int pitch = zoom + 1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x)
            leds.set(x, y, image.pixelIndex(x * pitch + zoom / 2, y * pitch + zoom / 2));
    }
    return leds;
}

std::string ledDumpText(const sim::LedBitmap& leds, int colors) {
    std::string text;
    text.reserve(static_cast<std::size_t>(leds.columns() + 1) * leds.rows());
    for (int y = 0; y < leds.rows(); ++y) {
        for (int x = 0; x < leds.columns(); ++x)
            text += sim::ledDumpChar(leds.at(x, y), colors);
        text += '\n';
    }
    return text;
}

QImage snapshotImage(const SignWindow& window) {
    const sim::DisplayModel& model = window.model();
    const int pitch = window.zoom() + 1;
    // The screen image is wider than the LEDs when the columns are not a multiple of 8.
    QImage image =
        window.screenImage().snapshot().copy(0, 0, model.columns * pitch, model.rows * pitch);
    const QWindow* shown = window.windowHandle();
    image.setText(QStringLiteral("Title"), shown ? shown->title() : window.windowTitle());
    image.setText(QStringLiteral("Description"), QString::fromStdString(model.format()));
    return image;
}

QByteArray readBackReply(const SignWindow& window, const QByteArray& request) {
    if (request == kReadBackLeds) {
        const sim::DisplayModel& model = window.model();
        const std::string text =
            ledDumpText(ledsShown(window.screenImage(), model.columns, model.rows, window.zoom()),
                        model.colors);
        return QByteArray::fromStdString(text);
    }
    if (request == kReadBackPng) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!snapshotImage(window).save(&buffer, "PNG")) return {};
        return png;
    }
    return {};
}

bool isReadBackStart(const CommandLine& commandLine) {
    return commandLine.has(kSnapshotFlag) || commandLine.has(kLedsFlag);
}

int runReadBack(const CommandLine& commandLine, std::FILE* out, std::FILE* err) {
    struct Wanted {
        QString flag;
        QByteArray request;
    };
    std::vector<Wanted> wanted;
    for (const Wanted& w :
         {Wanted{kLedsFlag, kReadBackLeds}, Wanted{kSnapshotFlag, kReadBackPng}}) {
        if (!commandLine.has(w.flag)) continue;
        if (commandLine.value(w.flag) == QStringLiteral("TRUE")) {
            report(err,
                   QStringLiteral("-%1 needs a file name (or - for standard output)").arg(w.flag));
            return 2;
        }
        wanted.push_back(w);
    }
    const QString className = commandLine.has(QStringLiteral("class"))
                                  ? commandLine.value(QStringLiteral("class"))
                                  : kDefaultClassName;
    const auto client = platform::HandoverClient::find(className, kFindTimeoutMs);
    if (!client) {
        report(err, QStringLiteral("no simulator runs under the class \"%1\"").arg(className));
        return 1;
    }
    for (const Wanted& w : wanted) {
        const auto reply = client->requestReadBack(w.request, kReplyTimeoutMs);
        if (!reply) {
            report(err, QStringLiteral("the simulator under the class \"%1\" did not answer")
                            .arg(className));
            return 1;
        }
        if (reply->isEmpty()) {
            report(err, QStringLiteral("the simulator under the class \"%1\" cannot read back "
                                       "its screen")
                            .arg(className));
            return 1;
        }
        QString error;
        if (!writeOutput(commandLine.value(w.flag), *reply, out, error)) {
            report(err, error);
            return 1;
        }
    }
    return 0;
}

}  // namespace ztk::simapp
