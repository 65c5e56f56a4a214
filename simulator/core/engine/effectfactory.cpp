#include "simcore/effectfactory.h"

#include "simcore/holdeffect.h"

namespace ztk::sim {

std::unique_ptr<Effect> makeEffect(int modeCode) {
    switch (modeCode) {
        // Each display mode with a class of its own gets a case here; until then it holds.
        default:
            return std::make_unique<HoldEffect>();
    }
}

}  // namespace ztk::sim
