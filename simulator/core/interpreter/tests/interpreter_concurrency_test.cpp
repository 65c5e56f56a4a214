// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "interpreter_testpackets.h"

namespace ztk::sim {
namespace {

// The engine copies string files while packets replace them: every copy must be one whole
// version of the file, never a mix or a freed one.
TEST(InterpreterConcurrency, StringFilesReadWhileAnotherThreadReplacesThem) {
    PacketInterpreter interpreter;
    interpreter.interpretStringPacket(interpreter_test::packet("G 00000"));
    std::atomic<bool> done{false};
    std::atomic<int> copies{0};
    std::thread reader([&] {
        std::vector<std::uint32_t> out;
        while (!done.load()) {
            ASSERT_TRUE(interpreter.copyStringFile(' ', out));
            ASSERT_GE(out.size(), 3u);
            const std::uint32_t first = out[0];
            for (std::size_t i = 0; i + 2 < out.size(); ++i)
                ASSERT_EQ(out[i], first);
            ASSERT_EQ(out.back(), makeEntry(Op::EndString, 0));
            interpreter.picture(256);
            interpreter.currentText();
            copies.fetch_add(1);
        }
    });
    for (int i = 0; i < 2000; ++i) {
        const char digit = static_cast<char>('0' + i % 10);
        interpreter.interpretStringPacket(
            interpreter_test::packet("G " + std::string(1 + i % 40, digit)));
        if (i % 100 == 0) interpreter.interpretStringPacket(interpreter_test::packet("AAx"));
    }
    while (copies.load() < 10)
        std::this_thread::yield();
    done = true;
    reader.join();
}

}  // namespace
}  // namespace ztk::sim
