// SPDX-License-Identifier: MIT
#pragma once
// Reads a script one line at a time, so that each call runs as soon as its line is there
// (standard input can be typed at) and no line longer than a bound is ever held.

#include <QString>

#include <cstdio>
#include <optional>

namespace ztk::host {

class LineReader {
  public:
    // Lines longer than this (without their line end) are refused.
    static constexpr std::size_t kMaxLineBytes = 16u * 1024u * 1024u;

    // Reads from `file`, which stays the caller's (standard input, or one it opened).
    explicit LineReader(std::FILE* file) : file_(file) {}

    // The next line as UTF-8 text, without "\n" or "\r\n"; nothing at the end of the input
    // or on a failure, which error() then describes.
    std::optional<QString> next();
    // Empty unless reading failed or a line was too long.
    const QString& error() const { return error_; }

  private:
    std::FILE* file_;
    QString error_;
};

}  // namespace ztk::host
