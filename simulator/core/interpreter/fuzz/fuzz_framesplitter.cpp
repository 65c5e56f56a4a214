// Feeds arbitrary bytes to the frame splitter, whole and in pieces, and checks that every
// byte is accounted for once, in order, that each packet is a whole frame within the bound,
// and that the pieces do not change the outcome.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "simcore/bytedecoder.h"
#include "simcore/framesplitter.h"

namespace {

using namespace ztk::sim;

constexpr std::size_t kBound = 64;

void require(bool condition) {
    if (!condition) std::abort();
}

struct Event {
    std::uint64_t offset;
    std::uint64_t length;
    int kind;  // -1 for a packet
    bool operator==(const Event&) const = default;
};

struct Checker final : FrameSplitterEvents {
    void packet(std::span<const std::uint8_t> bytes, std::uint64_t offset) override {
        require(!bytes.empty() && bytes.size() <= kBound);
        ByteDecoder in(bytes, escapeModeOf(bytes[0]));
        const auto first = in.next();
        require(first && (*first == 0x00 || *first == 0x01));
        bool stx = false;
        std::optional<std::uint8_t> last;
        while (auto b = in.next()) {
            stx = stx || *b == 0x02;
            last = b;
        }
        require(stx && last == 0x04);
        add({offset, bytes.size(), -1});
    }
    void skipped(std::uint64_t offset, std::uint64_t length, SkippedKind kind) override {
        require(length > 0);
        add({offset, length, static_cast<int>(kind)});
    }
    void add(const Event& e) {
        require(e.offset == position);
        position += e.length;
        events.push_back(e);
    }
    std::uint64_t position = 0;
    std::vector<Event> events;
};

std::vector<Event> run(std::span<const std::uint8_t> stream, std::size_t piece) {
    Checker checker;
    FrameSplitter splitter(checker, kBound);
    for (std::size_t at = 0; at < stream.size(); at += piece)
        splitter.feed(stream.subspan(at, std::min(piece, stream.size() - at)));
    splitter.finish();
    require(checker.position == stream.size());
    return checker.events;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0] % 16;
    const std::span<const std::uint8_t> stream(data + 1, size - 1);
    require(run(stream, piece) == run(stream, stream.empty() ? 1 : stream.size()));
    return 0;
}
