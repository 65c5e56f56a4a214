// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "effects_testsupport.h"
#include "simcore/effects/starbursteffect.h"

namespace ztk::sim {
namespace {

using test::dump;
using test::EffectSign;

// The burst pictures, one character per LED, rows top to bottom.
const std::string kLarge =
    ".R...G....G...R.\n.RR...G..G...RR.\n..RR...GG...RR..\n...RR..GG..RR...\n"
    "....RR....RR....\n.R...R....R...R.\n..R..........R..\n...RRRRRRRRRR...\n"
    "..R..........R..\n.R...R....R...R.\n....RR....RR....\n...RR..GG..RR...\n"
    "..RR...GG...RR..\n.RR...G..G...RR.\n.R...G....G...R.\n";
const std::string kSmall =
    ".RR....RR.\n...R..R...\n..........\nRRR....RRR\n..........\n...R..R...\n.RR....RR.\n";

// The order of the cells is a permutation for any count (over 8 cells, see below).
TEST(EffectStarburst, VisitingOrder) {
    for (int n = 1; n <= 200; ++n) {
        std::vector<int> cells;
        for (int k = 0; k < n; ++k)
            cells.push_back(starburstCell(k, n));
        std::sort(cells.begin(), cells.end());
        std::vector<int> all(static_cast<std::size_t>(n));
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(cells, all) << n << " cells";
    }
}

// Over 8 cells the bursts show in the visiting order, each exactly the picture (the large one
// on 16 rows, the small one on 8, red for visits 0, 1, 4, 5 and green for the others), and
// then the cell shows its part of the page.
TEST(EffectStarburst, BurstPicturesInOrder) {
    struct Case {
        int columns, rows, cell, burstSteps;
        std::string red, green;  // the cell during a burst
    };
    std::string green = kSmall;
    std::replace(green.begin(), green.end(), 'R', 'G');
    const std::string blank16 = std::string(16, '.') + "\n", blank10 = std::string(10, '.') + "\n";
    const std::vector<Case> cases = {
        {128, 16, 16, 9, kLarge + blank16, kLarge + blank16},
        {80, 8, 10, 7, kSmall + blank10, green + blank10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.columns);
        EffectSign sign(test::model(c.columns, c.rows),
                        "\0330n7\011\0341ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        sign.step();
        const LedBitmap page = sign.page().page();
        std::vector<int> order;
        for (int visit = 0; visit < 8; ++visit) {
            sign.stepTo(12 * visit + 1);
            const std::string& picture = visit & 2 ? c.green : c.red;
            for (int cell = 0; cell < 8; ++cell) {
                if (dump(sign.shown(), {cell * c.cell, 0, c.cell, c.rows}) == picture)
                    order.push_back(cell);
            }
            ASSERT_EQ(order.size(), static_cast<std::size_t>(visit + 1)) << "visit " << visit;
            sign.step(c.burstSteps);
            const LedRect r{order.back() * c.cell, 0, c.cell, c.rows};
            EXPECT_EQ(dump(sign.shown(), r), dump(page, r));
        }
        EXPECT_EQ(order, (std::vector<int>{4, 1, 6, 3, 0, 5, 2, 7}));
    }
}

}  // namespace
}  // namespace ztk::sim
