// SPDX-License-Identifier: MIT
#pragma once
// The Orvex code tables: pure functions from display-attribute words ("Red", "Hold", "S7",
// "Top", "3") to the protocol characters a sign understands. Each table folds letter case,
// also accepts the decimal value of the matching ztk... constant, and answers an unknown
// word with its default row instead of failing.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace ztk::mOrvexProtocolRoutines {

inline constexpr char kSoh = 0x01;
inline constexpr char kStx = 0x02;
inline constexpr char kEot = 0x04;

// Six SOH bytes and "Z" for sign type 0; empty for any other type.
QByteArray PacketHeader(std::uint8_t signType);
// EOT for sign type 0; empty for any other type.
QByteArray PacketTrailer(std::uint8_t signType);
// STX, "A" (write text file), "A" (the file label): the start of every text-file write.
QByteArray TextFileCommand();

// 0x1C and the colour character; autocolour ("C") for an unknown word.
QByteArray ColorCode(const QString& word);
// 0x1A and the character-set character; S7 ("3") for an unknown word.
QByteArray FontCode(const QString& word);
// ESC and the position character; fill ("0") for an unknown word.
QByteArray PositionCode(const QString& word);
// PositionCode(position) and the transition character; automode ("o") for an unknown word.
QByteArray ModeCode(const QString& mode, const QString& position);
// PositionCode(position), "n" and the special's digit; "o" (automode) for an unknown word.
QByteArray SpecialCode(const QString& special, const QString& position);
// One of 0x15..0x19 for exactly "1".."5"; empty for anything else (no folding, no parsing).
QByteArray SpeedCode(const QString& text);
// 0x07 "1" for 1, 0x07 "0" for any other value.
QByteArray FlashCode(std::int16_t flash);
// Hold at fill, no-hold speed, fixed-width characters on; empty for other sign types.
QByteArray TemplateStartCode(std::uint8_t signType);
// Hold at top, fixed-width spacing; empty for other sign types.
QByteArray PageStartCode(std::uint8_t signType);

// The word tables of ColorCode, FontCode, ModeCode, SpecialCode and PositionCode.
enum class WordTable { Color, Font, Mode, Special, Position };
// The words of `table` in upper case, ordered by their numbers (word i is also number i).
QStringList TableWords(WordTable table);
// True when `table` has a row for `word` (as the code functions match it), so that it is not
// answered with the default row.
bool IsTableWord(WordTable table, const QString& word);

}  // namespace ztk::mOrvexProtocolRoutines
