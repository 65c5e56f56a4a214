#pragma once
// SimulatorApp: the simulator's start-up. It reads the command line and the settings file,
// makes sure only one simulator runs per window class, and creates the sign window that the
// control's hand-over records reach.

#include <QString>
#include <QStringList>

#include <memory>

#include "commandline.h"
#include "simsettings.h"

namespace ztk::platform {
class HandoverServer;
}

namespace ztk::simapp {

class ProtocolSignWindow;
class Prompter;

class SimulatorApp {
  public:
    enum class StartResult {
        Running,         // the window is up and listens under its class
        AlreadyRunning,  // a simulator of the class runs; it was asked to come forward
        NoReceiver,      // the class could not be registered (no private socket folder)
    };

    // Uses the settings file at `settingsPath` and shows messages through `prompter`, which
    // must outlive the application.
    SimulatorApp(const QString& settingsPath, Prompter& prompter);
    ~SimulatorApp();

    // Starts with `arguments` (the command line without the program name).
    StartResult start(const QStringList& arguments);

    const StartupOptions& options() const { return options_; }
    SimSettings& settings() { return settings_; }
    // The window; null until started.
    ProtocolSignWindow* window() const { return window_.get(); }

  private:
    SimSettings settings_;
    Prompter& prompter_;
    StartupOptions options_;
    std::unique_ptr<platform::HandoverServer> server_;
    std::unique_ptr<ProtocolSignWindow> window_;
};

}  // namespace ztk::simapp
