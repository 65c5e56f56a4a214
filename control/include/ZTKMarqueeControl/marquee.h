// SPDX-License-Identifier: MIT
#pragma once
// Marquee: drives one Orvex LED sign over a serial line, TCP/IP, or the orvexsim simulator.
//
// A host sets the properties, calls Initialize (or InitializeAdv) once, then chooses what the
// sign shows. Every method returns true on success; the reason of a failure goes to the
// error log named by MarqueeLogFile (when it was set at Initialize), and to a listener. No method
// throws; only a refused property set throws PropertyError. Use the object on one thread, which
// runs a Qt event loop (QCoreApplication): the waits inside the methods keep it running.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

#include "ZTKMarqueeControl/export.h"
#include "ZTKMarqueeControl/propertybag.h"
#include "ZTKMarqueeControl/propertyerror.h"
#include "ZTKMarqueeControl/ztkalarmtype.h"
#include "ZTKMarqueeControl/ztkenums.h"

namespace ztk {

class MarqueeContext;

// --- Extensions beyond the standard interface (see Marquee::setListener) ---

// Told what a control does, for a host that shows it (a command line, a diagnostics pane).
// Every function does nothing unless overridden; none may call back into the control.
class ZTK_MARQUEE_EXPORT MarqueeListener {
  public:
    virtual ~MarqueeListener();
    // A failure the control records: the message of its error-log line, without the time
    // stamp ("Error: 10061, ..."). Given whether or not MarqueeLogFile was set at Initialize;
    // the log file itself is written only as before.
    virtual void failureRecorded(const QString& message);
    // `packet` is about to leave through SendToMarquee (or go to the packet sink).
    virtual void packetSending(const QByteArray& packet);
    // The control is about to wait `milliseconds`; `reason` says what for ("for the sign
    // to store its memory layout").
    virtual void pausing(int milliseconds, const QString& reason);
};

// Takes the packets of a control in place of a sign (see Marquee::setPacketSink).
class ZTK_MARQUEE_EXPORT PacketSink {
  public:
    virtual ~PacketSink();
    // Keeps one whole packet. Returns empty on success, otherwise the reason why not, which
    // fails the send as a transport failure does (logged, false).
    virtual QString take(const QByteArray& packet) = 0;
};

class ZTK_MARQUEE_EXPORT Marquee {
  public:
    // A control with every property at its default; reads the packet-dump switch.
    Marquee();
    // Closes a connected socket and asks a simulator started in simulate mode to close.
    ~Marquee();
    Marquee(const Marquee&) = delete;
    Marquee& operator=(const Marquee&) = delete;

    // --- Methods, in the order of the control's interface ---

    // Raises the alarm named AlarmName of MessageFile.
    bool AlarmAdd();
    // Acknowledges the alarm named AlarmName of MessageFile.
    bool AlarmAcknowledge();
    // Acknowledges every active alarm.
    bool AlarmAcknowledgeAll();
    // Switches to "TEMPLATE"/"0", "STRING"/"1" or "ALARM"/"2" (any letter case).
    bool ChangeMode(const QString& p_tNewMode);
    // Blanks the sign's text and every variable field, and forgets the variables.
    bool Clear();
    // Opens the connection, blanks the sign and writes its memory layout with
    // p_iStringSizeInBytes bytes per variable field (1..32766; anything else: 32).
    bool Initialize(std::int16_t p_iStringSizeInBytes = 0);
    // Shows p_tText at once with the given attribute words (empty: the default of each).
    bool QuickDisplay(const QString& p_tText, const QString& p_tColor = QString(),
                      const QString& p_tFont = QString(), const QString& p_tMode = QString(),
                      const QString& p_tSpecial = QString(),
                      const QString& p_tPosition = QString());
    // Sends the sign the reset command.
    bool Reset();
    // Writes p_tValue into every variable field named p_tName (letter case ignored).
    bool UpdateVariable(const QString& p_tName, const QString& p_tValue);
    // As UpdateVariable, with a colour word and flashing (p_iFlash 1..5) of the value.
    bool UpdateVariableAdv(const QString& p_tName, const QString& p_tValue,
                           const QString& p_tColor = QString(), std::int16_t p_iFlash = 0);
    // As Initialize; in TCP/IP mode p_fOpenCloseIPPort true connects per packet instead of
    // keeping one connection.
    bool InitializeAdv(std::int16_t p_iStringSizeInBytes = 0, bool p_fOpenCloseIPPort = false);
    // Closes and re-opens the communication path of the current connect mode.
    bool ResetCommunication();
    // The TCP socket's state as text, e.g. "Connected [7]" or "Closed [0]".
    QString GetSocketState() const;

    // --- Properties. Setters throw PropertyError when they refuse a value. ---

    QString MessageFile() const;
    void setMessageFile(const QString& value);
    QString TemplateName() const;
    void setTemplateName(const QString& value);
    QString StringName() const;
    void setStringName(const QString& value);
    QString AlarmName() const;
    void setAlarmName(const QString& value);
    // 0 serial, 1 TCP/IP, 2 simulate; locked after Initialize.
    std::uint8_t MarqueeConnectMode() const;
    void setMarqueeConnectMode(std::uint8_t value);
    // A ztkStateEnum value; every set is refused (ChangeMode changes it).
    std::uint8_t MarqueeDisplayMode() const;
    void setMarqueeDisplayMode(std::uint8_t value);
    // Sign type; 0 is the Orvex frame. Refused in run mode.
    std::uint8_t MarqueeType() const;
    void setMarqueeType(std::uint8_t value);
    // Two upper-case hex digits; "a" is stored as "0A". "00" addresses every sign.
    QString MarqueeAddress() const;
    void setMarqueeAddress(const QString& value);
    QString MarqueeLogFile() const;
    void setMarqueeLogFile(const QString& value);
    // 1..16; locked after Initialize.
    std::uint8_t SerialComPort() const;
    void setSerialComPort(std::uint8_t value);
    // One of the standard rates 110..256000; locked after Initialize.
    std::int32_t SerialBaudRate() const;
    void setSerialBaudRate(std::int32_t value);
    // "None", "Even", "Odd", "Mark" or "Space" exactly; locked after Initialize.
    QString SerialParity() const;
    void setSerialParity(const QString& value);
    // 4..8; locked after Initialize.
    std::uint8_t SerialDataBits() const;
    void setSerialDataBits(std::uint8_t value);
    // 1 or 2; locked after Initialize.
    std::uint8_t SerialStopBits() const;
    void setSerialStopBits(std::uint8_t value);
    // Remote host name or address; locked after Initialize.
    QString NetworkAddress() const;
    void setNetworkAddress(const QString& value);
    // 1 or more; locked after Initialize.
    std::int32_t NetworkPort() const;
    void setNetworkPort(std::int16_t value);

    // --- Host integration ---

    // Run mode (the default) as against design mode; MarqueeType is settable only in design.
    void setRunMode(bool runMode);
    bool isRunMode() const;

    // Names of the properties set since the last WriteProperties, in the order first set.
    QStringList changedProperties() const;

    // Every property back to its default, without the set rules (a newly placed control).
    void InitProperties();
    // Reads every property from `bag` (its default when missing or unreadable), without the
    // set rules, so a stored value is taken as it is.
    void ReadProperties(PropertyBag& bag);
    // Writes every property with its default to `bag`; clears changedProperties().
    void WriteProperties(PropertyBag& bag) const;

    // --- Extensions beyond the standard interface ---

    // Tells `listener` what this control does from now on; null for nobody. Not owned: it
    // must outlive the control or be taken back first.
    void setListener(MarqueeListener* listener);
    // With a sink, every packet goes to it instead of the transport of MarqueeConnectMode:
    // Initialize connects nothing and starts no simulator, writes the memory layout in every
    // connect mode and does not pause after it. Null sends to the sign again. Not owned.
    void setPacketSink(PacketSink* sink);

    // `packet` as the packet dump writes it: every byte below 32 or above 126 as "[" + its
    // upper-case hexadecimal code + "]" ("[1][1][1][1][1][1]Z00[2]AA [4]").
    static QString EscapedPacket(const QByteArray& packet);

    // The attribute-word tables of QuickDisplay and UpdateVariableAdv.
    enum class AttributeTable { Color, Font, Mode, Special, Position };
    // The words `table` knows, in upper case, word i being also taken as the number i.
    static QStringList AttributeWords(AttributeTable table);
    // True when `table` knows `word` (any letter case, or its number); an empty word or an
    // unknown one is sent as the table's default.
    static bool IsKnownAttribute(AttributeTable table, const QString& word);

  private:
    std::unique_ptr<MarqueeContext> context_;
    friend MarqueeContext& contextOf(Marquee& marquee);
};

}  // namespace ztk
