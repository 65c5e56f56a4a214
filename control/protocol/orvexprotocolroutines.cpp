// SPDX-License-Identifier: MIT
#include "protocol/orvexprotocolroutines.h"

#include <array>
#include <optional>

namespace ztk::mOrvexProtocolRoutines {
namespace {

// One row of a word table: the word (upper case), the enumeration value, the result.
struct Row {
    const char* word;
    int value;
    const char* code;
};

// The value of `text` when it is written as a plain decimal number ("2", "02", "2.0");
// anything with blanks, signs in odd places or other characters reads as no number.
std::optional<double> decimalValue(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    for (const QChar c : text) {
        if (!c.isDigit() && c != u'.' && c != u'-' && c != u'+') return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

template <std::size_t N>
const char* lookup(const std::array<Row, N>& rows, const QString& argument, const char* otherwise) {
    const QString upper = argument.toUpper();
    const std::optional<double> number = decimalValue(upper);
    for (const Row& row : rows) {
        if (upper == QLatin1String(row.word)) return row.code;
        if (number && *number == row.value) return row.code;
    }
    return otherwise;
}

constexpr std::array<Row, 12> kColors{{
    {"RED", 1, "1"},
    {"GREEN", 2, "2"},
    {"AMBER", 3, "3"},
    {"DIMRED", 4, "4"},
    {"DIMGREEN", 5, "5"},
    {"BROWN", 6, "6"},
    {"ORANGE", 7, "7"},
    {"YELLOW", 8, "8"},
    {"RAINBOW1", 9, "9"},
    {"RAINBOW2", 10, "A"},
    {"MIX", 11, "B"},
    {"AUTOCOLOR", 0, "C"},
}};

constexpr std::array<Row, 6> kFonts{{
    {"S5", 0, "1"},
    {"S7", 1, "3"},
    {"F7", 2, "5"},
    {"S10", 3, "6"},
    {"FFULL", 4, "8"},
    {"SFULL", 5, "9"},
}};

constexpr std::array<Row, 4> kPositions{{
    {"TOP", 1, "\""},
    {"MIDDLE", 2, " "},
    {"BOTTOM", 3, "&"},
    {"FILL", 0, "0"},
}};

constexpr std::array<Row, 18> kModes{{
    {"ROTATE", 1, "a"},
    {"HOLD", 2, "b"},
    {"FLASH", 3, "c"},
    {"ROLLUP", 4, "e"},
    {"ROLLDOWN", 5, "f"},
    {"ROLLLEFT", 6, "g"},
    {"ROLLRIGHT", 7, "h"},
    {"WIPEUP", 8, "i"},
    {"WIPEDOWN", 9, "j"},
    {"WIPELEFT", 10, "k"},
    {"WIPERIGHT", 11, "l"},
    {"SCROLL", 12, "m"},
    {"AUTOMODE", 0, "o"},
    {"ROLLIN", 13, "p"},
    {"ROLLOUT", 14, "q"},
    {"WIPEIN", 15, "r"},
    {"WIPEOUT", 16, "s"},
    {"COMPRESSEDROTATE", 17, "t"},
}};

constexpr std::array<Row, 8> kSpecials{{
    {"TWINKLE", 0, "n0"},
    {"SPARKLE", 1, "n1"},
    {"SNOW", 2, "n2"},
    {"INTERLOCK", 3, "n3"},
    {"SWITCH", 4, "n4"},
    {"SLIDE", 5, "n5"},
    {"SPRAY", 6, "n6"},
    {"STARBURST", 7, "n7"},
}};

}  // namespace

QByteArray PacketHeader(std::uint8_t signType) {
    return signType == 0 ? QByteArray("\x01\x01\x01\x01\x01\x01Z") : QByteArray();
}

QByteArray PacketTrailer(std::uint8_t signType) {
    return signType == 0 ? QByteArray(1, kEot) : QByteArray();
}

QByteArray TextFileCommand() {
    return QByteArray(
        "\x02"
        "AA");
}

QByteArray ColorCode(const QString& word) {
    return QByteArray("\x1C") + lookup(kColors, word, "C");
}

QByteArray FontCode(const QString& word) {
    return QByteArray("\x1A") + lookup(kFonts, word, "3");
}

QByteArray PositionCode(const QString& word) {
    return QByteArray("\x1B") + lookup(kPositions, word, "0");
}

QByteArray ModeCode(const QString& mode, const QString& position) {
    return PositionCode(position) + lookup(kModes, mode, "o");
}

QByteArray SpecialCode(const QString& special, const QString& position) {
    return PositionCode(position) + lookup(kSpecials, special, "o");
}

QByteArray SpeedCode(const QString& text) {
    if (text.size() != 1) return {};
    const char16_t c = text.front().unicode();
    if (c < u'1' || c > u'5') return {};
    return QByteArray(1, static_cast<char>(0x15 + (c - u'1')));
}

QByteArray FlashCode(std::int16_t flash) {
    return flash == 1 ? "\x07"
                        "1"
                      : "\x07"
                        "0";
}

QByteArray TemplateStartCode(std::uint8_t signType) {
    return signType == 0 ? QByteArray(
                               "\x1B"
                               "0b\x09\x1D"
                               "41")
                         : QByteArray();
}

QByteArray PageStartCode(std::uint8_t signType) {
    return signType == 0 ? QByteArray(
                               "\x1B\"b\x1E"
                               "1")
                         : QByteArray();
}

namespace {

template <std::size_t N>
QStringList wordsByNumber(const std::array<Row, N>& rows) {
    QStringList words(static_cast<qsizetype>(N));
    for (const Row& row : rows)
        words[row.value] = QLatin1String(row.word);
    return words;
}

template <std::size_t N>
bool hasRow(const std::array<Row, N>& rows, const QString& word) {
    static const char* const kNoRow = "";
    return lookup(rows, word, kNoRow) != kNoRow;
}

}  // namespace

QStringList TableWords(WordTable table) {
    switch (table) {
        case WordTable::Color:
            return wordsByNumber(kColors);
        case WordTable::Font:
            return wordsByNumber(kFonts);
        case WordTable::Mode:
            return wordsByNumber(kModes);
        case WordTable::Special:
            return wordsByNumber(kSpecials);
        case WordTable::Position:
            return wordsByNumber(kPositions);
    }
    return {};
}

bool IsTableWord(WordTable table, const QString& word) {
    switch (table) {
        case WordTable::Color:
            return hasRow(kColors, word);
        case WordTable::Font:
            return hasRow(kFonts, word);
        case WordTable::Mode:
            return hasRow(kModes, word);
        case WordTable::Special:
            return hasRow(kSpecials, word);
        case WordTable::Position:
            return hasRow(kPositions, word);
    }
    return false;
}

}  // namespace ztk::mOrvexProtocolRoutines
