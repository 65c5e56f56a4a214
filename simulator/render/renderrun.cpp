// SPDX-License-Identifier: MIT
#include "renderrun.h"

#include <QBuffer>
#include <QImage>
#include <QList>
#include <QString>
#include <ostream>

#include "outputfile.h"
#include "packetinput.h"
#include "simcore/displayengine.h"
#include "simcore/interpreter.h"
#include "simcore/leddump.h"
#include "terminalimage.h"

namespace ztk::render {

namespace {

// The screen is read once the steps are done, so frames need not go anywhere meanwhile.
class DiscardingSink final : public sim::PresentSink {
  public:
    void present(const sim::ScreenView&, const sim::PixelRect&) override {}
};

// The screen as a PNG file's bytes.
std::string pngBytes(const sim::ScreenBitmap& screen) {
    const QImage image(screen.pixels(), screen.width(), screen.height(), screen.bytesPerLine(),
                       QImage::Format_Indexed8);
    QImage copy = image.copy();
    const sim::ColorTable& table = screen.colorTable();
    copy.setColorTable(QList<QRgb>(table.begin(), table.end()));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!copy.save(&buffer, "PNG")) return {};
    return bytes.toStdString();
}

// Writes one output; false (reported on `err`) when it could not be written completely.
bool writeOne(const std::string& file, std::string_view bytes, std::ostream& err) {
    const std::string problem = writeOutput(file, bytes);
    if (problem.empty()) return true;
    err << "orvexsim-render: cannot write "
        << (file == "-" ? "standard output" : "\"" + file + "\"") << ": " << problem << '\n';
    return false;
}

}  // namespace

int render(const RenderOptions& options, std::ostream& err) {
    sim::PacketInterpreter interpreter(options.model);
    for (const PacketArg& arg : options.packets) {
        std::string error;
        if (!feedPackets(arg, interpreter, err, error)) {
            err << "orvexsim-render: " << error << '\n';
            return kExitBadArguments;
        }
    }

    DiscardingSink sink;
    sim::EngineOptions engineOptions;
    engineOptions.zoom = options.zoom;
    engineOptions.seed = options.seed;
    engineOptions.hour24 = options.hour24;
    const sim::ClockValue clock = options.time.value_or(sim::localClock());
    engineOptions.clock = [clock] { return clock; };
    engineOptions.presentInterval = {};
    sim::DisplayEngine engine(interpreter, options.model, sink, engineOptions);
    for (long i = 0; i < options.steps; ++i)
        engine.step();

    const sim::ScreenBitmap& screen = engine.surface().screen();
    bool written = true;
    if (!options.pngFile.empty()) {
        const std::string png = pngBytes(screen);
        if (png.empty()) {
            err << "orvexsim-render: cannot make the PNG image\n";
            written = false;
        } else {
            written = writeOne(options.pngFile, png, err) && written;
        }
    }
    if (!options.ledsFile.empty()) {
        written =
            writeOne(options.ledsFile, sim::ledDump(screen, options.model.colors), err) && written;
    }
    if (options.ansi || (options.pngFile.empty() && options.ledsFile.empty())) {
        written = writeOne("-", ansiImage(screen), err) && written;
    }
    return written ? kExitOk : kExitOutputFailed;
}

}  // namespace ztk::render
