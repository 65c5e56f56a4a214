// SPDX-License-Identifier: MIT
#pragma once
// Everything one Marquee holds and does. The public Marquee forwards to it; the routines of
// rendering, variables and alarms are its members too, and use the same services: send a
// command in the packet frame, log a failure, the variables table, the alarm list and the
// property values.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <exception>
#include <new>

#include "front/controlerror.h"
#include "front/marqueeproperties.h"
#include "front/packetdump.h"
#include "front/pausetimer.h"
#include "front/serialtransport.h"
#include "front/simulatortransport.h"
#include "front/sinktransport.h"
#include "front/tcptransport.h"
#include "front/transport.h"
#include "msgfile/filecache.h"
#include "protocol/alarmlist.h"
#include "protocol/renderfailure.h"
#include "protocol/variablestable.h"
#include "protocol/variablevalue.h"

namespace ztk {

class Marquee;

// Flags of the object's life besides its properties.
struct ControlState {
    bool initialized = false;   // set by a successful Initialize; locks the communication
    bool logEnabled = false;    // set by Initialize when MarqueeLogFile was not empty
    bool runMode = true;        // the host runs (rather than designs) its form
    bool inInitialize = false;  // re-entrancy guards
    bool inInitializeAdv = false;
    bool inResetCommunication = false;
    int callDepth = 0;      // public calls in progress (nested ones run from host events)
    bool orphaned = false;  // the Marquee went away while a call was in progress
};

// What an alarm saves of the display it replaced, to put it back when acknowledged.
struct AlarmRestoreState {
    bool alarmShown = false;
    std::uint8_t savedMode = 0;
    QString savedFile;
    QString savedName;
};

class MarqueeContext final : public TransportHost, public protocol::RenderLog {
  public:
    MarqueeContext();
    ~MarqueeContext() override;
    MarqueeContext(const MarqueeContext&) = delete;
    MarqueeContext& operator=(const MarqueeContext&) = delete;

    // --- Services for the routines ---

    // Runs `body` (returning bool) under the failure handler of `routine`: a failure ends
    // it, is logged as "Error: number, source[routine]; text" when logging is on, and gives
    // false. Nothing escapes.
    template <typename Body>
    bool runRoutine(const QString& routine, Body&& body) noexcept;
    // Logs `error` as a failure of `routine` when logging is on.
    void logFailure(const QString& routine, const ControlError& error);
    // SendToMarquee: hands `packet` to the transport of the connect mode. Logs its failures.
    bool sendToMarquee(const QByteArray& packet);
    // Sends `command` (what follows STX) in the packet frame.
    bool sendCommand(const QByteArray& command);
    // Sends a text-file write whose body starts with TextFileCommand().
    bool sendTextFile(const QByteArray& body);
    // The host's sink when one is attached, else the transport of the current connect mode;
    // ControlError for an unknown mode.
    Transport& activeTransport();

    // --- Routines of the control ---

    bool initialize(std::int16_t stringSizeInBytes, bool advanced, bool openClosePerSend);
    bool clear();
    bool clearButSaveVariables();
    bool reset();
    bool changeMode(const QString& newMode);
    bool quickDisplay(const QString& text, const QString& color, const QString& font,
                      const QString& mode, const QString& special, const QString& position);
    // Writes the memory layout and the run sequence, then pauses two seconds.
    void setBoardMemory(std::int16_t stringSizeInBytes);
    QString socketState() const;
    // The object is going away: closes the socket and a simulator it drives.
    void terminate();

    // Rendering, variable updates and alarms.

    // Reads MessageFile as it is now, renders the template TemplateName and sends it; sets the
    // multipage flag from the template's type.
    bool updateTemplateDisplay();
    // Reads MessageFile as it is now, renders the string StringName and sends it.
    bool updateStringDisplay();
    // Reads MessageFile as it is now and renders the alarm AlarmName into `text` (no frame);
    // sends nothing.
    bool updateAlarmDisplay(QByteArray& text);
    // Writes every registered field full of spaces to its width.
    bool blankVariables();
    bool updateVariable(const QString& name, const QString& value);
    bool updateVariableAdv(const QString& name, const QString& value, const QString& color,
                           std::int16_t flash);
    bool alarmAdd();
    bool alarmAcknowledge();
    bool alarmAcknowledgeAll();

    // --- TransportHost ---

    const MarqueeProperties& properties() const override { return props; }
    void logIfEnabled(const QString& message) override;
    bool resetCommunication() override;
    void dumpPacket(const QByteArray& packet) override { dump.DumpPacket(packet); }
    bool abandoned() const override { return state.orphaned; }

    // --- RenderLog: a parse routine's failure, logged under its own name ---

    void routineFailed(const QString& routine, const protocol::RenderFailure& failure) override;

    // Records that the host set `name`, for its persistence.
    void markChanged(const QString& name);

    // --- State ---

    MarqueeProperties props;
    ControlState state;
    protocol::VariablesTable variables;
    // The message files shown lately, parsed and indexed, reused while unchanged on disk.
    msgfile::MessageFileCache messageFiles;
    protocol::AlarmList alarms;
    AlarmRestoreState restore;
    QStringList changed;
    PacketDump dump;
    SerialTransport serial{*this};
    TcpTransport tcp{*this};
    SimulatorTransport simulator{*this};
    SinkTransport sink{*this};  // a host's sink, which stands in for the sign when attached
    PauseTimer pauseTimer;
    MarqueeListener* listener = nullptr;

  private:
    // Writes `value` with `codes` into every field named `name` (letter case ignored).
    bool writeVariable(const QString& name, const QString& value,
                       const protocol::ValueCodes& codes);
    // Sends the text of every active alarm, newest first, as one text file.
    bool sendAlarmTexts();
    // Puts back the template or string that showed before the first alarm; throws
    // ControlError when it no longer renders.
    void restoreAfterAlarms();
};

// The context behind a Marquee (for the control's own code and its tests).
MarqueeContext& contextOf(Marquee& marquee);

template <typename Body>
bool MarqueeContext::runRoutine(const QString& routine, Body&& body) noexcept {
    try {
        return body();
    } catch (const ControlError& error) {
        logFailure(routine, error);
    } catch (const protocol::RenderFailure& error) {
        logFailure(routine, ControlError(error.number, error.source, error.text));
    } catch (const std::bad_alloc&) {
        logFailure(routine, ControlError(kOutOfMemoryNumber, QLatin1String(kLibraryTitle),
                                         QStringLiteral("Out of memory.")));
    } catch (const std::exception& error) {
        logFailure(routine, ControlError(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        // Whatever a host event handler let escape into one of the waits.
        logFailure(routine, ControlError(QStringLiteral("Unexpected failure.")));
    }
    return false;
}

}  // namespace ztk
