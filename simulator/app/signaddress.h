// SPDX-License-Identifier: MIT
#pragma once
// SignAddress: the address a sign answers to on a shared line, "00" to "FF". A packet carries
// the address of the sign it is for; "00" in a packet is a broadcast that every sign takes.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ztk::simapp {

class SignAddress {
  public:
    // Address "00".
    SignAddress() = default;
    // One or two hexadecimal digits, either letter case; nothing for anything else.
    static std::optional<SignAddress> parse(std::string_view text);

    int value() const { return value_; }
    // Two upper-case hexadecimal digits.
    std::string text() const;
    // Whether a packet whose frame carries `address` is for this sign: its own address
    // (compared as a number, so "0a" is "0A") or the broadcast "00".
    bool takes(const std::array<char, 2>& address) const;

  private:
    explicit SignAddress(int value) : value_(value) {}
    int value_ = 0;
};

}  // namespace ztk::simapp
