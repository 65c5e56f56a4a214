// SPDX-License-Identifier: MIT
#include "simulatorapp.h"

#include <QThread>

#include <cstdio>
#include <cstdlib>

#include "linkbar.h"
#include "platform/handover.h"
#include "protocolsignwindow.h"
#include "readback.h"
#include "shutdownsignals.h"
#include "virtualsign.h"

namespace ztk::simapp {
namespace {

// How long a second simulator waits for the first to take its "come forward" record.
constexpr int kActivateTimeoutMs = 2000;

// The simulator that runs in this process, for the exit handler.
SimulatorApp* running = nullptr;

void note(const QString& line) {
    std::fprintf(stderr, "orvexsim: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace

SimulatorApp::SimulatorApp(const QString& settingsPath, Prompter& prompter)
    : settings_(settingsPath), prompter_(prompter) {}

SimulatorApp::~SimulatorApp() {
    if (running == this) running = nullptr;
    signals_.reset();
    // The window goes first, so that no record or packet reaches it while it is destroyed.
    window_.reset();
    virtualSign_.reset();
    server_.reset();
}

SimulatorApp::StartResult SimulatorApp::start(const QStringList& arguments) {
    const CommandLine commandLine = CommandLine::parse(arguments);
    options_ = startupOptions(commandLine, settings_.text(key::kCmdInfo));
    const auto inputs = inputOptions(commandLine, error_);
    if (!inputs) return StartResult::BadArguments;
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

    if (inputs->any()) {
        // Packets from the inputs are handled exactly as handed-over records.
        virtualSign_ = std::make_unique<VirtualSign>(
            [this](std::uint64_t kind, const QByteArray& packet) {
                if (window_) window_->handleCopyData(kind, packet);
            },
            &note);
        if (!virtualSign_->open(*inputs, error_)) {
            virtualSign_.reset();
            server_.reset();
            return StartResult::InputFailed;
        }
    }

    window_ = std::make_unique<ProtocolSignWindow>(settings_, prompter_, options_.className,
                                                   options_.linkBarHeight);
    window_->setSignGeometry(options_.model, zoom);
    window_->placeAndShow();
    if (LinkBar* bar = window_->linkBar()) bar->setToolTip(where().join(u'\n'));

    ProtocolSignWindow* window = window_.get();
    server_->setCopyDataHandler([window](std::uint64_t kind, const QByteArray& data) {
        return window->handleCopyData(kind, data);
    });
    server_->setReadBackHandler(
        [window](const QByteArray& request) { return readBackReply(*window, request); });
    QObject::connect(server_.get(), &platform::HandoverServer::closeRequested, window,
                     &QWidget::close);
    QObject::connect(server_.get(), &platform::HandoverServer::activateRequested, window,
                     &SignWindow::bringForward);

    if (ShutdownSignals::installed()) {
        signals_ = std::make_unique<ShutdownSignals>();
        QObject::connect(signals_.get(), &ShutdownSignals::received, window, [this] { end(); });
    }
    if (running == nullptr) {
        running = this;
        static const bool registered = std::atexit(&SimulatorApp::endAbruptly) == 0;
        (void)registered;
    }
    return StartResult::Running;
}

void SimulatorApp::end() {
    if (window_) window_->close();
    if (endHandler_) endHandler_();
}

QStringList SimulatorApp::where() const {
    return virtualSign_ ? virtualSign_->where() : QStringList();
}

void SimulatorApp::endAbruptly() {
    SimulatorApp* app = running;
    if (app == nullptr) return;
    running = nullptr;
    // Only the thread that owns the window may touch it; from another thread only the files
    // are cleaned up.
    const bool ownThread = app->window_ && app->window_->thread() == QThread::currentThread();
    if (ownThread) app->window_->shutDown();
    if (app->virtualSign_) app->virtualSign_->removeTraces();
    if (ownThread) app->server_.reset();
    note(
        QStringLiteral("ended without its window being closed (the display connection was "
                       "lost?); the window position was saved"));
}

}  // namespace ztk::simapp
