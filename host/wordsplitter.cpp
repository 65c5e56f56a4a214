// SPDX-License-Identifier: MIT
#include "wordsplitter.h"

namespace ztk::host {
namespace {

int hexValue(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

// Reads \xNN at `i` (pointing at the backslash); the character, or nothing.
std::optional<QChar> hexEscape(const QString& line, qsizetype i) {
    if (i + 3 >= line.size()) return std::nullopt;
    if (line[i + 1] != u'x') return std::nullopt;
    const int high = hexValue(line[i + 2]);
    const int low = hexValue(line[i + 3]);
    if (high < 0 || low < 0) return std::nullopt;
    return QChar(high * 16 + low);
}

}  // namespace

SplitResult splitWords(const QString& line) {
    SplitResult result;
    QString word;
    bool inWord = false;
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (c == u' ' || c == u'\t') {
            if (inWord) result.words << word;
            word.clear();
            inWord = false;
        } else if (c == u'#' && !inWord) {
            break;
        } else if (c == u'\'') {
            const qsizetype end = line.indexOf(u'\'', i + 1);
            if (end < 0) return {{}, QStringLiteral("missing closing single quote")};
            word += line.mid(i + 1, end - i - 1);
            inWord = true;
            i = end;
        } else if (c == u'"') {
            inWord = true;
            for (++i;; ++i) {
                if (i >= n) return {{}, QStringLiteral("missing closing double quote")};
                const QChar d = line[i];
                if (d == u'"') break;
                if (d == u'\\' && i + 1 < n) {
                    if (const auto hex = hexEscape(line, i)) {
                        word += *hex;
                        i += 3;
                        continue;
                    }
                    const QChar next = line[i + 1];
                    if (next == u'"' || next == u'\\' || next == u'$' || next == u'`') {
                        word += next;
                        ++i;
                        continue;
                    }
                }
                word += d;
            }
        } else if (c == u'\\') {
            if (i + 1 >= n) return {{}, QStringLiteral("backslash at the end of the line")};
            inWord = true;
            if (const auto hex = hexEscape(line, i)) {
                word += *hex;
                i += 3;
            } else {
                word += line[++i];
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) result.words << word;
    return result;
}

}  // namespace ztk::host
