// SPDX-License-Identifier: MIT
#pragma once
// The sixteen property values of a Marquee, with the defaults of a newly placed control.

#include <QString>

#include <cstdint>

namespace ztk {

struct MarqueeProperties {
    QString messageFile;
    QString templateName;
    QString stringName;
    QString alarmName;
    std::uint8_t connectMode = 0;
    std::uint8_t displayMode = 0;
    std::uint8_t type = 0;
    QString address = QStringLiteral("00");
    QString logFile;
    std::uint8_t serialComPort = 1;
    std::int32_t serialBaudRate = 9600;
    QString serialParity = QStringLiteral("None");
    std::uint8_t serialDataBits = 8;
    std::uint8_t serialStopBits = 1;
    QString networkAddress;
    std::int32_t networkPort = 3001;
};

// Connect modes.
inline constexpr std::uint8_t kConnectSerial = 0;
inline constexpr std::uint8_t kConnectTcp = 1;
inline constexpr std::uint8_t kConnectSimulate = 2;

}  // namespace ztk
