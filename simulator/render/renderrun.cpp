#include "renderrun.h"

#include <QImage>
#include <QList>
#include <QString>
#include <fstream>
#include <ostream>

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

bool writePng(const sim::ScreenBitmap& screen, const std::string& file) {
    const QImage image(screen.pixels(), screen.width(), screen.height(), screen.bytesPerLine(),
                       QImage::Format_Indexed8);
    QImage copy = image.copy();
    const sim::ColorTable& table = screen.colorTable();
    copy.setColorTable(QList<QRgb>(table.begin(), table.end()));
    return copy.save(QString::fromStdString(file), "PNG");
}

bool writeText(const std::string& text, const std::string& file, std::ostream& out) {
    if (file == "-") {
        out << text;
        return static_cast<bool>(out);
    }
    std::ofstream f(file, std::ios::binary);
    f << text;
    f.close();
    return static_cast<bool>(f);
}

}  // namespace

int render(const RenderOptions& options, std::ostream& out, std::ostream& err) {
    sim::PacketInterpreter interpreter(options.model);
    for (const PacketArg& arg : options.packets) {
        std::string error;
        const auto bytes = readPacket(arg, error);
        if (!bytes) {
            err << "orvexsim-render: " << error << '\n';
            return kExitBadArguments;
        }
        if (packetKind(*bytes) == sim::kKindStringFile)
            interpreter.interpretStringPacket(*bytes);
        else
            interpreter.newMessage(*bytes);
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
    int status = kExitOk;
    if (!options.pngFile.empty() && !writePng(screen, options.pngFile)) {
        err << "orvexsim-render: cannot write \"" << options.pngFile << "\"\n";
        status = kExitOutputFailed;
    }
    if (!options.ledsFile.empty() &&
        !writeText(sim::ledDump(screen, options.model.colors), options.ledsFile, out)) {
        err << "orvexsim-render: cannot write \"" << options.ledsFile << "\"\n";
        status = kExitOutputFailed;
    }
    if (options.ansi || (options.pngFile.empty() && options.ledsFile.empty())) {
        out << ansiImage(screen);
        if (!out) status = kExitOutputFailed;
    }
    return status;
}

}  // namespace ztk::render
