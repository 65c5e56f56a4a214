// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "effectframes.h"
#include "effects_testsupport.h"
#include "simcore/leddump.h"

namespace ztk::sim {
namespace {

// Frames part way through a few modes show exactly the LEDs kept beside the tests.
TEST(EffectFrames, KnownFramesShowTheExpectedLeds) {
    const auto model = DisplayModel::parse(test::kEffectFrameModel);
    ASSERT_TRUE(model);
    for (const test::EffectFrame& f : test::effectFrames()) {
        SCOPED_TRACE(f.name);
        test::EffectSign sign(*model, f.text);
        sign.step(static_cast<int>(f.steps));
        std::ifstream in(ZTK_EFFECT_FRAMES_DIR "/" + f.name + ".leds", std::ios::binary);
        std::ostringstream expected;
        expected << in.rdbuf();
        EXPECT_EQ(ledDump(sign.engine().surface().screen(), model->colors), expected.str());
    }
}

}  // namespace
}  // namespace ztk::sim
