// SPDX-License-Identifier: MIT
#pragma once
// SimulatorApp: the simulator's start-up. It reads the command line and the settings file,
// makes sure only one simulator runs per window class, opens the virtual sign's inputs
// (TCP, serial line) when asked, and creates the sign window that the control's hand-over
// records and the inputs' packets reach. It ends the same way for a closed window, a
// SIGTERM, SIGINT or SIGHUP, and (as far as it can) a lost display connection.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "commandline.h"
#include "simsettings.h"

namespace ztk::platform {
class HandoverServer;
}

namespace ztk::simapp {

class ProtocolSignWindow;
class Prompter;
class ShutdownSignals;
class VirtualSign;

class SimulatorApp {
  public:
    enum class StartResult {
        Running,         // the window is up and listens under its class
        AlreadyRunning,  // a simulator of the class runs; it was asked to come forward
        NoReceiver,      // the class could not be registered (no private socket folder)
        BadArguments,    // a flag has no usable value; see error()
        InputFailed,     // the TCP port or the serial line cannot be opened; see error()
    };

    // Uses the settings file at `settingsPath` and shows messages through `prompter`, which
    // must outlive the application.
    SimulatorApp(const QString& settingsPath, Prompter& prompter);
    ~SimulatorApp();

    // Starts with `arguments` (the command line without the program name).
    StartResult start(const QStringList& arguments);
    // Why start() failed with BadArguments or InputFailed.
    QString error() const { return error_; }

    // Closes the window as its close box does (position saved, engine stopped), then calls
    // the end handler. Runs for SIGTERM, SIGINT and SIGHUP once started, when the program
    // has installed ShutdownSignals.
    void end();
    // Called by end() once the window is closed; the program ends its event loop there.
    void setEndHandler(std::function<void()> handler) { endHandler_ = std::move(handler); }

    const StartupOptions& options() const { return options_; }
    SimSettings& settings() { return settings_; }
    // The window; null until started.
    ProtocolSignWindow* window() const { return window_.get(); }
    // The virtual sign's inputs; null when none was asked for.
    VirtualSign* virtualSign() const { return virtualSign_.get(); }
    // Where the sign listens, one line per input ("listening on 127.0.0.1:23001").
    QStringList where() const;

  private:
    // At a process exit that did not come through the window (the window system calls
    // exit() when its connection breaks): saves what it can and removes the socket, the
    // lock and the serial line's link.
    static void endAbruptly();

    SimSettings settings_;
    Prompter& prompter_;
    StartupOptions options_;
    QString error_;
    std::unique_ptr<platform::HandoverServer> server_;
    std::unique_ptr<VirtualSign> virtualSign_;
    std::unique_ptr<ProtocolSignWindow> window_;
    std::unique_ptr<ShutdownSignals> signals_;
    std::function<void()> endHandler_;
};

}  // namespace ztk::simapp
