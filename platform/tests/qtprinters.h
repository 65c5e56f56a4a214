// SPDX-License-Identifier: MIT
#pragma once
// Readable test failure messages for Qt strings.

#include <QByteArray>
#include <QString>

#include <ostream>

inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << "QByteArray(" << bytes.size() << " bytes: " << bytes.left(32).toHex(' ').toStdString()
         << (bytes.size() > 32 ? " ...)" : ")");
}
