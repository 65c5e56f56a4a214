// SPDX-License-Identifier: MIT
#pragma once
// The "Communication" page's fields: the connect mode and the serial and TCP/IP settings.

#include <QString>
#include <QStringList>

#include <cstdint>

#include "model/pagemodel.h"

namespace ztk::pages {

namespace field {
inline const QString kSerialOption = QStringLiteral("optSerial");
inline const QString kTcpIpOption = QStringLiteral("optTCPIP");
inline const QString kSimulateOption = QStringLiteral("optSimulate");
inline const QString kSerialFrame = QStringLiteral("fraSerial");
inline const QString kTcpIpFrame = QStringLiteral("fraTCPIP");
inline const QString kSimulateFrame = QStringLiteral("fraSimulate");
inline const QString kComPort = QStringLiteral("cboSerialComPort");
inline const QString kBaudRate = QStringLiteral("cboSerialBaudRate");
inline const QString kParity = QStringLiteral("cboSerialParity");
inline const QString kDataBits = QStringLiteral("cboSerialDataBits");
inline const QString kStopBits = QStringLiteral("cboSerialStopBits");
inline const QString kNetworkAddress = QStringLiteral("txtNetworkAddress");
inline const QString kNetworkPort = QStringLiteral("txtNetworkPort");
}  // namespace field

// The option buttons, in the order of MarqueeConnectMode's values.
enum class ConnectChoice { Serial = 0, TcpIp = 1, Simulate = 2 };

class CommunicationPageModel final : public PageModel {
  public:
    // The page as it opens: serial chosen, the lists filled but none chosen.
    CommunicationPageModel() = default;

    // Loads the port and address texts, the serial settings and the option button
    // (connect mode 0 Serial, 1 TCP/IP, any other Simulate).
    void load(const Marquee& marquee) override;
    // Sets NetworkPort, NetworkAddress, SerialComPort, SerialBaudRate, SerialParity,
    // SerialDataBits, SerialStopBits, then MarqueeConnectMode, in that order. A port text
    // that is no whole number is refused here as 13 "Type mismatch", one beyond the
    // property's 16-bit range as 6 "Overflow".
    std::optional<Refusal> apply(Marquee& marquee) const override;

    ConnectChoice mode() const { return mode_; }
    void chooseMode(ConnectChoice mode) { choose(mode_, mode); }

    // List positions of the serial settings, -1 for a stored value that its list does not
    // offer (it is then applied as it was stored, so the control's rules judge it).
    int comPortIndex() const;
    int baudRateIndex() const;
    int parityIndex() const;
    int dataBitsIndex() const;
    int stopBitsIndex() const;
    void chooseComPort(int index);
    void chooseBaudRate(int index);
    void chooseParity(int index);
    void chooseDataBits(int index);
    void chooseStopBits(int index);

    const QString& networkAddress() const { return networkAddress_; }
    void editNetworkAddress(const QString& text) { edit(networkAddress_, text); }
    const QString& port() const { return port_; }
    void editPort(const QString& text) { edit(port_, text); }
    // The port box lost the focus: an empty box becomes "0", a number above 32767 "32767".
    void leavePortBox();

  private:
    // Until a control is loaded no list has an entry chosen.
    ConnectChoice mode_ = ConnectChoice::Serial;
    std::uint8_t comPort_ = 0;
    std::int32_t baudRate_ = 0;
    QString parity_;
    std::uint8_t dataBits_ = 0;
    std::uint8_t stopBits_ = 0;
    QString networkAddress_;
    QString port_;
};

}  // namespace ztk::pages
