#include "packetinput.h"

#include <fstream>

#include "simcore/bytedecoder.h"
#include "simcore/interpreter.h"

namespace ztk::render {

std::optional<std::vector<std::uint8_t>> parseHex(const std::string& text) {
    std::vector<std::uint8_t> out;
    int high = -1;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (high >= 0) return std::nullopt;  // a lone digit before a blank
            continue;
        }
        const int v = sim::hexDigitValue(static_cast<std::uint8_t>(c));
        if (v < 0) return std::nullopt;
        if (high < 0) {
            high = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    if (high >= 0 || out.empty()) return std::nullopt;
    return out;
}

std::optional<std::vector<std::uint8_t>> readPacket(const PacketArg& arg, std::string& error) {
    if (arg.source == PacketArg::Source::Hex) {
        auto bytes = parseHex(arg.text);
        if (!bytes) error = "-x: \"" + arg.text + "\" is not hexadecimal bytes";
        return bytes;
    }
    std::ifstream in(arg.text, std::ios::binary);
    if (!in) {
        error = "cannot read packet file \"" + arg.text + "\"";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (bytes.size() + static_cast<std::size_t>(in.gcount()) > kMaxPacketBytes) {
            error = "packet file \"" + arg.text + "\" is larger than 16 MiB";
            return std::nullopt;
        }
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    }
    if (in.bad()) {
        error = "cannot read packet file \"" + arg.text + "\"";
        return std::nullopt;
    }
    return bytes;
}

int packetKind(std::span<const std::uint8_t> packet) {
    if (packet.empty()) return sim::kKindNewMessage;
    sim::ByteDecoder in(packet, sim::escapeModeOf(packet[0]));
    while (auto b = in.next()) {
        if (*b != 0x02) continue;
        const auto command = in.next();
        return command && *command == 'G' ? sim::kKindStringFile : sim::kKindNewMessage;
    }
    return sim::kKindNewMessage;
}

}  // namespace ztk::render
