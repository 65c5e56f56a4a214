// SPDX-License-Identifier: MIT
#pragma once
// The rules that guard property sets. Each check throws PropertyError to refuse a value.

#include <QString>

#include <cstdint>

namespace ztk {

// Error numbers of refused sets.
inline constexpr int kRefusedNow = 382;
inline constexpr int kInvalidValue = 380;

// Refuses a set of the locked property `name` once the control is initialised.
void checkUnlocked(bool initialized, const char* name);
// Refuses a value outside the property's range (number 380, no text of the control's own).
void checkRange(bool valid);
// Refuses every set of MarqueeDisplayMode.
[[noreturn]] void refuseDisplayModeSet();
// Refuses MarqueeType sets in run mode.
void checkDesignMode(bool runMode);

// `value` as two upper-case hexadecimal digits ("a" -> "0A"), or PropertyError 380.
QString normalizeMarqueeAddress(const QString& value);

bool isValidConnectMode(std::uint8_t value);
bool isValidComPort(std::uint8_t value);
bool isValidBaudRate(std::int32_t value);
bool isValidParity(const QString& value);
bool isValidDataBits(std::uint8_t value);
bool isValidStopBits(std::uint8_t value);
bool isValidNetworkPort(std::int32_t value);

}  // namespace ztk
