// SPDX-License-Identifier: MIT
#include "signaddress.h"

namespace ztk::simapp {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<SignAddress> SignAddress::parse(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + digit;
    }
    return SignAddress(value);
}

std::string SignAddress::text() const {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value_ >> 4], kDigits[value_ & 0xF]};
}

bool SignAddress::takes(const std::array<char, 2>& address) const {
    const int high = hexDigit(address[0]);
    const int low = hexDigit(address[1]);
    if (high < 0 || low < 0) return false;
    const int value = high * 16 + low;
    return value == 0 || value == value_;
}

}  // namespace ztk::simapp
