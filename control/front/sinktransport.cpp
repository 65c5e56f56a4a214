// SPDX-License-Identifier: MIT
#include "front/sinktransport.h"

#include "front/controlerror.h"

namespace ztk {

bool SinkTransport::send(const QByteArray& packet) {
    host_.dumpPacket(packet);
    const QString failure = sink_->take(packet);
    if (!failure.isEmpty()) throw ControlError(failure);
    return true;
}

}  // namespace ztk
