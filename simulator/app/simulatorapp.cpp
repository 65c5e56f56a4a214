#include "simulatorapp.h"

#include "platform/handover.h"
#include "protocolsignwindow.h"

namespace ztk::simapp {
namespace {

// How long a second simulator waits for the first to take its "come forward" record.
constexpr int kActivateTimeoutMs = 2000;

}  // namespace

SimulatorApp::SimulatorApp(const QString& settingsPath, Prompter& prompter)
    : settings_(settingsPath), prompter_(prompter) {}

SimulatorApp::~SimulatorApp() {
    // The window goes first, so that no record reaches it while it is destroyed.
    window_.reset();
    server_.reset();
}

SimulatorApp::StartResult SimulatorApp::start(const QStringList& arguments) {
    options_ = startupOptions(CommandLine::parse(arguments), settings_.text(key::kCmdInfo));
    const int zoom = settings_.integer(key::kZoom, 5);

    server_ = std::make_unique<platform::HandoverServer>();
    if (!server_->listen(options_.className)) {
        server_.reset();
        if (auto first = platform::HandoverClient::find(options_.className, kActivateTimeoutMs)) {
            first->sendActivate(kActivateTimeoutMs);
            return StartResult::AlreadyRunning;
        }
        return StartResult::NoReceiver;
    }

    window_ = std::make_unique<ProtocolSignWindow>(settings_, prompter_, options_.className,
                                                   options_.linkBarHeight);
    window_->setSignGeometry(options_.model, zoom);
    window_->placeAndShow();

    ProtocolSignWindow* window = window_.get();
    server_->setCopyDataHandler([window](std::uint64_t kind, const QByteArray& data) {
        return window->handleCopyData(kind, data);
    });
    QObject::connect(server_.get(), &platform::HandoverServer::closeRequested, window,
                     &QWidget::close);
    QObject::connect(server_.get(), &platform::HandoverServer::activateRequested, window,
                     &SignWindow::bringForward);
    return StartResult::Running;
}

}  // namespace ztk::simapp
