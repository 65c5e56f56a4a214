// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the interpreter as new messages, string packets and a model
// change, then checks what the engine would read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "simcore/interpreter.h"

namespace {

using namespace ztk::sim;

void require(bool condition) {
    if (!condition) std::abort();
}

void checkStream(const MessageStream& stream, Op end) {
    require(stream.size() >= 1);
    require(stream.entries().back() == makeEntry(end, 0));
    for (std::uint32_t e : stream.entries()) {
        const Op op = opcodeOf(e);
        if (op == Op::Font) require(operandOf(e) >= 1 && operandOf(e) <= 12);
        if (op == Op::Mode) require((operandOf(e) >> 8) <= kPosBottom);
    }
}

void checkPicture(const DotsPicture& p) {
    const std::size_t stride = static_cast<std::size_t>(p.width) + 1;
    require(p.pixels.size() == stride * static_cast<std::size_t>(p.height));
    require(p.pixels.size() <= kMaxPictureBytes);
    for (int r = 0; r < p.height; ++r)
        require(p.pixels[(r + 1) * stride - 1] == 0xFF);
}

void checkAll(PacketInterpreter& interpreter) {
    checkStream(*interpreter.currentText(), Op::EndText);
    for (std::uint8_t label : interpreter.textFileLabels()) {
        checkStream(*interpreter.textFile(label), Op::EndText);
    }
    std::vector<std::uint32_t> copy;
    for (int label = 0; label < 256; ++label) {
        if (interpreter.copyStringFile(static_cast<std::uint8_t>(label), copy)) {
            require(copy.size() <= 127);
            require(copy.back() == makeEntry(Op::EndString, 0));
        }
    }
    for (int id = 0; id < 256 + static_cast<int>(kMaxPictureNames); ++id) {
        if (auto p = interpreter.picture(static_cast<std::uint16_t>(id))) checkPicture(*p);
    }
    require(interpreter.pictures().storedBytes() <= kMaxPictureStoreBytes);
    for (int i = 0; i < 40; ++i) {
        const std::uint16_t code = interpreter.nextAutomode();
        require(code >= 1 && code <= 25);
    }
}

}  // namespace

// The first byte picks the model (rows, colours, masks) and the order of operations; the
// rest is split at the first 0xFE byte into two packets.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t choice = data[0];
    std::span<const std::uint8_t> rest(data + 1, size - 1);
    std::size_t split = 0;
    while (split < rest.size() && rest[split] != 0xFE)
        ++split;
    const auto first = rest.subspan(0, split);
    const auto second = split < rest.size() ? rest.subspan(split + 1) : rest.subspan(0, 0);

    static const int kRows[] = {7, 8, 16, 32};
    DisplayModel model;
    model.rows = kRows[choice & 3];
    model.colors = (choice & 4) ? 1 : 3;
    model.featureMask = (choice & 8) ? 0x7FFF : 0x3FF;
    model.fontMask = (choice & 16) ? 0x7F : 0x03;
    model.modeMask = (choice & 32) ? 0x7FFF : 0x0001;
    PacketInterpreter interpreter(model);

    if (choice & 64) {
        interpreter.interpretStringPacket(first);
        interpreter.newMessage(second);
    } else {
        interpreter.newMessage(first);
        interpreter.interpretStringPacket(second);
    }
    checkAll(interpreter);
    model.rows = kRows[(choice >> 2) & 3];
    model.colors = (choice & 128) ? 8 : 1;
    model.modeMask ^= 0x7FFF;
    interpreter.setModel(model);
    checkAll(interpreter);
    return 0;
}
