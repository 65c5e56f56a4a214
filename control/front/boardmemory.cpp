// SPDX-License-Identifier: MIT
// SetBoardMemory: the sign's memory layout, its run sequence, and the pause the sign needs
// to take them.
#include "protocol/boardmemory.h"
#include "front/marqueecontext.h"

namespace ztk {

namespace {
constexpr int kBoardMemoryPauseMs = 2000;
}

void MarqueeContext::setBoardMemory(std::int16_t stringSizeInBytes) {
    runRoutine(QStringLiteral("SetBoardMemory"), [&] {
        const QByteArray layout = protocol::memoryConfigurationCommand(stringSizeInBytes);
        variables.empty();
        sendCommand(layout);
        sendCommand(protocol::runSequenceCommand());
        // A host's sink keeps the packets for later: no sign is there to wait for.
        if (!sink.attached()) {
            if (listener) {
                listener->pausing(kBoardMemoryPauseMs,
                                  QStringLiteral("for the sign to store its memory layout"));
            }
            pauseTimer.pause(kBoardMemoryPauseMs);
        }
        return true;
    });
}

}  // namespace ztk
