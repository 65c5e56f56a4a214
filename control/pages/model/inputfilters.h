// SPDX-License-Identifier: MIT
#pragma once
// The input filters of the address and port text boxes: what a typed key becomes, and what
// the text becomes when the box loses the focus.

#include <QChar>
#include <QString>

#include <optional>

namespace ztk::pages {

// A key typed into the marquee address box holding `length` characters: hex digits pass,
// a-f become capitals, anything else is dropped; a passing key is dropped too while the box
// is full (2 characters or more) with nothing selected to replace.
std::optional<QChar> filterAddressKey(QChar key, qsizetype length, bool hasSelection);
// The address box's text once it loses the focus: "00" for an empty box, "0" put in front of
// a single character.
QString leaveAddress(const QString& text);

// A key typed into the port box: digits and "." pass, anything else is dropped.
std::optional<QChar> filterPortKey(QChar key);
// The port box's text once it loses the focus: "0" for an empty box, "32767" for a number
// greater than that.
QString leavePort(const QString& text);

}  // namespace ztk::pages
