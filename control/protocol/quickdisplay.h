// SPDX-License-Identifier: MIT
#pragma once
// The text-file body that shows one line of text at once, without a message file.

#include <QByteArray>
#include <QString>

namespace ztk::protocol {

// TextFileCommand(), the mode field (SpecialCode when `special` is not empty, else ModeCode),
// ColorCode, FontCode and `text` unchanged.
QByteArray quickDisplayBody(const QString& text, const QString& color, const QString& font,
                            const QString& mode, const QString& special, const QString& position);

}  // namespace ztk::protocol
