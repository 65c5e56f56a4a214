// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine_testsupport.h"
#include "framecases.h"
#include "simcore/leddump.h"

namespace ztk::sim {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Known messages laid out and drawn with the shipped character sets show exactly the LEDs
// kept beside the tests.
TEST(EngineFrames, KnownMessagesShowTheExpectedLeds) {
    for (const test::FrameCase& c : test::frameCases()) {
        SCOPED_TRACE(c.name);
        const auto model = DisplayModel::parse(c.model);
        ASSERT_TRUE(model);
        PacketInterpreter interpreter(*model);
        for (const std::string& p : c.packets) {
            const std::vector<std::uint8_t> bytes(p.begin(), p.end());
            const auto stx = p.find('\x02');
            if (stx != std::string::npos && stx + 1 < p.size() && p[stx + 1] == 'G')
                interpreter.interpretStringPacket(bytes);
            else
                interpreter.newMessage(bytes);
        }
        test::RecordingSink sink;
        DisplayEngine engine(interpreter, *model, sink, test::options(&charsetResource));
        for (long i = 0; i < c.steps; ++i)
            engine.step();
        const std::string expected = readFile(ZTK_ENGINE_FRAMES_DIR "/" + c.name + ".leds");
        EXPECT_EQ(ledDump(engine.surface().screen(), model->colors), expected);
    }
}

}  // namespace
}  // namespace ztk::sim
