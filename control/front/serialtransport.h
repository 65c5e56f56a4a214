// SPDX-License-Identifier: MIT
#pragma once
// Serial mode: each packet is dumped, then opens the port with its settings, writes, waits
// until the bytes have left and closes the port again.

#include <QSerialPort>
#include <QString>

#include <cstdint>
#include <functional>

#include "front/controlerror.h"
#include "front/transport.h"

namespace ztk {

// Port settings parsed from a settings text such as "9600,N,8,1".
struct SerialSettings {
    std::int32_t baudRate = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// Rate, first letter of the parity, data bits, stop bits: "9600,N,8,1".
QString serialSettingsText(std::int32_t baudRate, const QString& parity, int dataBits,
                           int stopBits);
// The settings of `text`; ControlError (380) for one that a port cannot take.
SerialSettings parseSerialSettings(const QString& text);
// 512 bytes, or the packet length + 16 for packets of 511 bytes or more.
int serialOutputBufferSize(int packetLength);
// The device of COM port `comPort`: the per-user setting SerialPorts/COM<n>, by default
// /dev/ttyS<n-1>.
QString serialDevicePath(int comPort);
// How long a packet may take to leave the port: twice its time on the line, plus 5 s.
int serialDrainTimeoutMs(int packetLength, std::int32_t baudRate);

class SerialTransport : public Transport {
  public:
    explicit SerialTransport(TransportHost& host);
    bool send(const QByteArray& packet) override;
    // Closes the port when a failure left it open.
    void reset() override;

    bool isOpen() const { return port_.isOpen(); }
    // The values of the last packet: output-buffer size, device, settings text.
    int outputBufferSize() const { return outputBufferSize_; }
    const QString& deviceName() const { return deviceName_; }
    const QString& settingsText() const { return settingsText_; }

    // Test hook: the longest wait for the bytes to leave, instead of the line's own time.
    void setDrainLimitMs(int milliseconds) { drainLimitMs_ = milliseconds; }
    // Test hook: reports the bytes the operating system still queues for the line, in place
    // of asking the device (a pseudo-terminal always answers 0).
    void setQueueProbe(std::function<qint64()> probe) { queueProbe_ = std::move(probe); }

  private:
    // The port's last error as a failure of the serial component.
    ControlError portError() const;
    [[noreturn]] void fail();
    // Gives the port `settings`; false when the open device refuses one.
    bool configure(const SerialSettings& settings);
    // Waits until the bytes have left Qt's buffer and the operating system's queue.
    void drain(int timeoutMs);
    // Bytes the operating system still holds for the line (1 for a busy transmitter).
    qint64 queuedInSystem() const;

    TransportHost& host_;
    QSerialPort port_;
    int outputBufferSize_ = 512;
    QString deviceName_;
    QString settingsText_;
    int drainLimitMs_ = -1;
    std::function<qint64()> queueProbe_;
};

}  // namespace ztk
