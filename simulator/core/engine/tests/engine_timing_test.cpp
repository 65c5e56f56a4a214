#include <gtest/gtest.h>

#include "engine_testsupport.h"
#include "simcore/pagetiming.h"

namespace ztk::sim {
namespace {

using test::Sign;

// Speed 3 on ten characters in a 120 x 16 area: weight 10 + 120 / 16 + 3 = 20, held for
// 20 x 10 + 1 steps; every later page of the repeating message takes as long.
TEST(EngineTiming, SpeedThreeTenCharactersHolds201Steps) {
    Sign sign(test::model(120, 16),
              "\x1b"
              "0b\x17"
              "ABCDEFGHIJ");
    EXPECT_EQ(test::stepsOfPage(sign.engine), 201);
    EXPECT_EQ(sign.engine.pagesLaidOut(), 1);
    EXPECT_EQ(test::stepsOfPage(sign.engine), 201);
    EXPECT_EQ(sign.engine.pagesLaidOut(), 2);
}

}  // namespace
}  // namespace ztk::sim
