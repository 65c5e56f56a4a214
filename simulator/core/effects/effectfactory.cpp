// SPDX-License-Identifier: MIT
#include "simcore/effectfactory.h"

#include "simcore/effects/cyclecolorseffect.h"
#include "simcore/effects/flasheffect.h"
#include "simcore/effects/interlockeffect.h"
#include "simcore/effects/rolleffects.h"
#include "simcore/effects/rotateeffect.h"
#include "simcore/effects/scrolleffect.h"
#include "simcore/effects/slideeffect.h"
#include "simcore/effects/snoweffect.h"
#include "simcore/effects/sparkleeffect.h"
#include "simcore/effects/sprayeffect.h"
#include "simcore/effects/starbursteffect.h"
#include "simcore/effects/switcheffect.h"
#include "simcore/effects/twinkleeffect.h"
#include "simcore/effects/wipeeffects.h"
#include "simcore/holdeffect.h"
#include "simcore/messagestream.h"

namespace ztk::sim {

std::unique_ptr<Effect> makeEffect(int modeCode) {
    switch (modeCode) {
        case kModeRotate:
            return std::make_unique<RotateEffect>();
        case kModeFlash:
            return std::make_unique<FlashEffect>();
        case kModeRollUp:
            return std::make_unique<RollUpEffect>();
        case kModeRollDown:
            return std::make_unique<RollDownEffect>();
        case kModeRollLeft:
            return std::make_unique<RollLeftEffect>();
        case kModeRollRight:
            return std::make_unique<RollRightEffect>();
        case kModeRollIn:
            return std::make_unique<RollInEffect>();
        case kModeRollOut:
            return std::make_unique<RollOutEffect>();
        case kModeWipeUp:
            return std::make_unique<WipeUpEffect>();
        case kModeWipeDown:
            return std::make_unique<WipeDownEffect>();
        case kModeWipeLeft:
            return std::make_unique<WipeLeftEffect>();
        case kModeWipeRight:
            return std::make_unique<WipeRightEffect>();
        case kModeWipeIn:
            return std::make_unique<WipeInEffect>();
        case kModeWipeOut:
            return std::make_unique<WipeOutEffect>();
        case kModeScroll:
            return std::make_unique<ScrollEffect>();
        case kModeTwinkle:
            return std::make_unique<TwinkleEffect>();
        case kModeSparkle:
            return std::make_unique<SparkleEffect>();
        case kModeSnow:
            return std::make_unique<SnowEffect>();
        case kModeInterlock:
            return std::make_unique<InterlockEffect>();
        case kModeSwitch:
            return std::make_unique<SwitchEffect>();
        case kModeSlide:
            return std::make_unique<SlideEffect>();
        case kModeSpray:
            return std::make_unique<SprayEffect>();
        case kModeStarburst:
            return std::make_unique<StarburstEffect>();
        case kModeCycleColors:
            return std::make_unique<CycleColorsEffect>();
        default:
            // Hold (1), no mode (0) and every code outside the table.
            return std::make_unique<HoldEffect>();
    }
}

}  // namespace ztk::sim
