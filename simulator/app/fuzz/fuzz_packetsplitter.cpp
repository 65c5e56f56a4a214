// Feeds arbitrary bytes, in arbitrary pieces, to the stream splitter with a small bound:
// every packet it passes on must be a whole frame within the bound (SOH first, "Z", two
// address characters and STX, EOT last and nowhere before), its buffer must never pass the
// bound, and every byte must be in a packet or counted as garbage.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "packetsplitter.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte picks the piece size, the second the bound.
    const std::size_t piece = 1 + data[0] % 41;
    const std::size_t bound = 16 + data[1] % 240;
    data += 2;
    size -= 2;
    ztk::simapp::PacketSplitter splitter(bound);
    std::uint64_t packetBytes = 0;
    const auto onPacket = [&](const ztk::simapp::StreamPacket& packet) {
        const auto bytes = packet.bytes;
        check(bytes.size() >= 6 && bytes.size() <= bound);
        check(bytes.front() == 0x01 && bytes.back() == 0x04);
        check(std::memchr(bytes.data(), 0x04, bytes.size() - 1) == nullptr);
        std::size_t i = 0;
        while (bytes[i] == 0x01)
            ++i;
        check(bytes[i] == 'Z' && bytes[i + 3] == 0x02);
        check(packet.address[0] == static_cast<char>(bytes[i + 1]) &&
              packet.address[1] == static_cast<char>(bytes[i + 2]));
        check(packet.command == bytes[i + 4]);
        packetBytes += bytes.size();
    };
    for (std::size_t at = 0; at < size; at += piece) {
        const std::size_t n = at + piece <= size ? piece : size - at;
        splitter.feed({data + at, n}, onPacket);
        check(splitter.buffered() <= bound);
    }
    splitter.finish();
    check(splitter.buffered() == 0);
    // Every byte went out in a packet or was counted as garbage.
    check(packetBytes + splitter.counts().garbageBytes == size);
    return 0;
}
