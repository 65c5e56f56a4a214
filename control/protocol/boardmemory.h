// SPDX-License-Identifier: MIT
#pragma once
// The sign's memory layout: one text file "A" to show, one string file per variable label.

#include <QByteArray>

#include <cstdint>

namespace ztk::protocol {

// The bytes reserved per string file as four upper-case hex digits: 1..32766 as given,
// anything else "0020" (32 bytes).
QByteArray stringSizeText(std::int16_t stringSizeInBytes);

// "E$" and the 67 eleven-character entries: text file "!", string files 0x20..0x60,
// text file "A".
QByteArray memoryConfigurationCommand(std::int16_t stringSizeInBytes);

// "E." "S" "L" "A": run text file "A" and nothing else.
QByteArray runSequenceCommand();

}  // namespace ztk::protocol
