// SPDX-License-Identifier: MIT
#include "front/serialtransport.h"

#include <QDeadlineTimer>

#include <sys/ioctl.h>

#include "front/controlerror.h"
#include "front/marqueeproperties.h"
#include "front/propertyrules.h"
#include "platform/eventwait.h"
#include "platform/usersettings.h"

namespace ztk {
namespace {

const QString kSerialSource = QStringLiteral("mscSerialPort");
// How often the operating system's output queue is looked at while it empties.
constexpr int kQueuePollMs = 5;

[[noreturn]] void refuseSettings(const QString& text) {
    throw ControlError(kInvalidValue, kSerialSource,
                       QStringLiteral("Invalid property value: the port cannot take the "
                                      "settings '%1'.")
                           .arg(text));
}

}  // namespace

QString serialSettingsText(std::int32_t baudRate, const QString& parity, int dataBits,
                           int stopBits) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(baudRate)
        .arg(parity.left(1), QString::number(dataBits), QString::number(stopBits));
}

SerialSettings parseSerialSettings(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4) refuseSettings(text);
    SerialSettings settings;
    bool ok = false;
    settings.baudRate = parts[0].toInt(&ok);
    if (!ok || settings.baudRate <= 0) refuseSettings(text);

    static const QHash<QString, QSerialPort::Parity> kParities{
        {QStringLiteral("N"), QSerialPort::NoParity},
        {QStringLiteral("E"), QSerialPort::EvenParity},
        {QStringLiteral("O"), QSerialPort::OddParity},
        {QStringLiteral("M"), QSerialPort::MarkParity},
        {QStringLiteral("S"), QSerialPort::SpaceParity}};
    const auto parity = kParities.constFind(parts[1]);
    if (parity == kParities.cend()) refuseSettings(text);
    settings.parity = *parity;

    const int dataBits = parts[2].toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8) refuseSettings(text);  // no port takes 4 bits
    settings.dataBits = static_cast<QSerialPort::DataBits>(dataBits);

    const int stopBits = parts[3].toInt(&ok);
    if (!ok || (stopBits != 1 && stopBits != 2)) refuseSettings(text);
    settings.stopBits = stopBits == 1 ? QSerialPort::OneStop : QSerialPort::TwoStop;
    return settings;
}

int serialOutputBufferSize(int packetLength) {
    return packetLength >= 511 ? packetLength + 16 : 512;
}

QString serialDevicePath(int comPort) {
    return platform::readUserSetting(QStringLiteral("SerialPorts"),
                                     QStringLiteral("COM%1").arg(comPort),
                                     QStringLiteral("/dev/ttyS%1").arg(comPort - 1))
        .toString();
}

int serialDrainTimeoutMs(int packetLength, std::int32_t baudRate) {
    // Up to 12 bits a character (start, 8 data, parity, 2 stop).
    const qint64 lineMs = qint64(packetLength) * 12 * 1000 / qMax(baudRate, 1);
    return static_cast<int>(qMin<qint64>(2 * lineMs + 5000, 3600 * 1000));
}

SerialTransport::SerialTransport(TransportHost& host) : host_(host) {}

bool SerialTransport::send(const QByteArray& packet) {
    const MarqueeProperties& p = host_.properties();
    outputBufferSize_ = serialOutputBufferSize(packet.size());
    deviceName_ = serialDevicePath(p.serialComPort);
    settingsText_ =
        serialSettingsText(p.serialBaudRate, p.serialParity, p.serialDataBits, p.serialStopBits);
    if (port_.isOpen()) return false;

    // The packet is in the dump before anything can refuse it, so the dump shows every
    // packet the host tried to send; a refusal up to the open leaves the port closed and
    // the next packet tries again.
    host_.dumpPacket(packet);
    const SerialSettings settings = parseSerialSettings(settingsText_);
    port_.setPortName(deviceName_);
    configure(settings);  // on the closed port: recorded, and put on the line by the open
    if (!port_.open(QIODevice::WriteOnly)) fail();
    // A device can take the open but not every setting (a pseudo-terminal keeps eight data
    // bits), so they are confirmed on the open line; a refusal closes the port again before
    // anything is written.
    if (!configure(settings)) {
        const ControlError refused = portError();
        port_.close();
        throw refused;
    }
    if (port_.write(packet) != packet.size()) fail();
    drain(drainLimitMs_ >= 0 ? drainLimitMs_
                             : serialDrainTimeoutMs(packet.size(), settings.baudRate));
    port_.close();
    return true;
}

void SerialTransport::reset() {
    if (port_.isOpen()) port_.close();
}

ControlError SerialTransport::portError() const {
    return ControlError(static_cast<int>(port_.error()), kSerialSource,
                        QStringLiteral("%1 (%2)").arg(port_.errorString(), deviceName_));
}

void SerialTransport::fail() {
    throw portError();
}

bool SerialTransport::configure(const SerialSettings& settings) {
    return port_.setBaudRate(settings.baudRate) && port_.setParity(settings.parity) &&
           port_.setDataBits(settings.dataBits) && port_.setStopBits(settings.stopBits) &&
           port_.setFlowControl(QSerialPort::NoFlowControl);
}

qint64 SerialTransport::queuedInSystem() const {
    if (queueProbe_) return queueProbe_();
    const int fd = static_cast<int>(port_.handle());
    int queued = 0;
    if (::ioctl(fd, TIOCOUTQ, &queued) != 0) return 0;  // a line that cannot tell
    if (queued > 0) return queued;
    // The UART's own transmit buffer is not in that count; drivers that can tell say
    // whether the transmitter is empty.
    unsigned int lineStatus = 0;
    if (::ioctl(fd, TIOCSERGETLSR, &lineStatus) == 0 && (lineStatus & TIOCSER_TEMT) == 0) return 1;
    return 0;
}

void SerialTransport::drain(int timeoutMs) {
    // Never longer than the line needs plus a margin: a stuck port is a failure, not a hang
    // of the host. At a slow rate that may still be an hour, so the wait runs the event loop
    // like the control's other waits, and ends as soon as the host destroys the control.
    const QDeadlineTimer deadline(timeoutMs);
    auto check = [&](qint64 pending) {
        if (host_.abandoned()) {
            port_.clear(QSerialPort::Output);  // closing would otherwise wait for the line
            port_.close();
            throw ControlError(QStringLiteral("The control was destroyed while the serial port "
                                              "%1 still had %2 bytes to send; they were "
                                              "dropped.")
                                   .arg(deviceName_)
                                   .arg(pending));
        }
        if (deadline.hasExpired()) {
            throw ControlError(QStringLiteral("The serial port %1 did not send %2 bytes within "
                                              "%3 ms.")
                                   .arg(deviceName_)
                                   .arg(pending)
                                   .arg(timeoutMs));
        }
    };
    const auto portFailed = [&] {
        return port_.error() != QSerialPort::NoError && port_.error() != QSerialPort::TimeoutError;
    };
    for (qint64 pending = port_.bytesToWrite(); pending > 0; pending = port_.bytesToWrite()) {
        check(pending);
        platform::waitUntil(
            [&] { return port_.bytesToWrite() < pending || portFailed() || host_.abandoned(); },
            kQueuePollMs, static_cast<int>(qMax<qint64>(deadline.remainingTime(), 0)));
        if (portFailed()) fail();
    }
    // Written is not yet sent: the operating system still queues the bytes for the line, and
    // closing the port puts its earlier settings back at once, which would garble them.
    for (qint64 pending = queuedInSystem(); pending > 0; pending = queuedInSystem()) {
        check(pending);
        platform::waitProcessingEvents(kQueuePollMs);
    }
}

}  // namespace ztk
