// SPDX-License-Identifier: MIT
#include "linereader.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace ztk::host {

std::optional<QString> LineReader::next() {
    if (!error_.isEmpty()) return std::nullopt;
    std::string bytes;
    int c = 0;
    while ((c = std::getc(file_)) != EOF && c != '\n') {
        if (bytes.size() >= kMaxLineBytes) {
            error_ = QStringLiteral("line longer than %1 bytes").arg(kMaxLineBytes);
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(c));
    }
    if (std::ferror(file_)) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    if (c == EOF && bytes.empty()) return std::nullopt;
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace ztk::host
