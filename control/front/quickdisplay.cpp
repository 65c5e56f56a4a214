// SPDX-License-Identifier: MIT
// QuickDisplay: one line of text shown at once, without a message file.
#include "protocol/quickdisplay.h"
#include "front/marqueecontext.h"

namespace ztk {

bool MarqueeContext::quickDisplay(const QString& text, const QString& color, const QString& font,
                                  const QString& mode, const QString& special,
                                  const QString& position) {
    return runRoutine(QStringLiteral("QuickDisplay"), [&] {
        return sendTextFile(protocol::quickDisplayBody(text, color, font, mode, special, position));
    });
}

}  // namespace ztk
