// SPDX-License-Identifier: MIT
#include "front/propertyrules.h"

#include <QStringList>

#include <algorithm>
#include <array>

#include "ZTKMarqueeControl/propertyerror.h"

namespace ztk {
namespace {

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

[[noreturn]] void refuseAddress(const QString& value) {
    throw PropertyError(
        kInvalidValue, QStringLiteral("ZTK Marquee Control"),
        QStringLiteral("Invalid property value for Marquee Address: '") + value + u'\'');
}

}  // namespace

void checkUnlocked(bool initialized, const char* name) {
    if (!initialized) return;
    throw PropertyError(kRefusedNow, QStringLiteral("PropertyLet ") + QLatin1String(name),
                        QStringLiteral("Property cannot be changed after calling Initialize()."));
}

void checkRange(bool valid) {
    // The control adds no source or text of its own; the text is the usual one for 380.
    if (!valid)
        throw PropertyError(kInvalidValue, QString(), QStringLiteral("Invalid property value"));
}

void refuseDisplayModeSet() {
    throw PropertyError(kRefusedNow, QStringLiteral("PropertyLet MarqueeDisplayMode"),
                        QStringLiteral("Property must be changed via ChangeMode() method."));
}

void checkDesignMode(bool runMode) {
    if (!runMode) return;
    throw PropertyError(kRefusedNow, QStringLiteral("PropertyLet MarqueeType"),
                        QStringLiteral("Property cannot be changed at runtime."));
}

QString normalizeMarqueeAddress(const QString& value) {
    if (value.isEmpty() || value.size() > 2) refuseAddress(value);
    QString address = value.size() == 1 ? u'0' + value : value;
    address = address.toUpper();
    if (!isHexDigit(address.front()) || !isHexDigit(address.back())) refuseAddress(value);
    return address;
}

bool isValidConnectMode(std::uint8_t value) {
    return value <= 2;
}
bool isValidComPort(std::uint8_t value) {
    return value >= 1 && value <= 16;
}

bool isValidBaudRate(std::int32_t value) {
    static constexpr std::array<std::int32_t, 16> kRates{110,   300,    600,    1200,  2400,  4800,
                                                         9600,  14400,  19200,  28800, 38400, 56000,
                                                         57600, 115200, 128000, 256000};
    return std::find(kRates.begin(), kRates.end(), value) != kRates.end();
}

bool isValidParity(const QString& value) {
    static const QStringList kParities{QStringLiteral("None"), QStringLiteral("Even"),
                                       QStringLiteral("Odd"), QStringLiteral("Mark"),
                                       QStringLiteral("Space")};
    return kParities.contains(value, Qt::CaseSensitive);
}

bool isValidDataBits(std::uint8_t value) {
    return value >= 4 && value <= 8;
}
bool isValidStopBits(std::uint8_t value) {
    return value == 1 || value == 2;
}
bool isValidNetworkPort(std::int32_t value) {
    return value >= 1;
}

}  // namespace ztk
