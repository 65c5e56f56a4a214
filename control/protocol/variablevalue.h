// SPDX-License-Identifier: MIT
#pragma once
// What a variable update writes into a field's string file: the value fitted to the field's
// width, and the colour and flash codes around it.

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace ztk::protocol {

// Codes written before and after a value.
struct ValueCodes {
    QByteArray before;
    QByteArray after;
};

// `value` cut or padded with spaces to `width` characters (Unicode characters, so that each
// becomes exactly one byte on the wire); unchanged when `width` is 0 or less.
QString fitToWidth(const QString& value, int width);

// The codes of UpdateVariableAdv: ColorCode of `color` unless it is empty; for `flash` 1 to 5
// flash on before and flash off after the value, with speed 4 in front of flash on while a
// single-page template is on show (`singlePageTemplate`). Nothing for flash 0 and no colour.
ValueCodes valueCodes(const QString& color, std::int16_t flash, bool singlePageTemplate);

// "G", the string-file label, the codes and the value: the command that writes one field.
QByteArray stringFileCommand(char label, const ValueCodes& codes, const QString& value);

}  // namespace ztk::protocol
