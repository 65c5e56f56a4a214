// SPDX-License-Identifier: MIT
#include "packetinput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "simcore/bytedecoder.h"
#include "simcore/framesplitter.h"
#include "simcore/picturestore.h"

namespace ztk::render {
namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
// The longest packet taken from a stream: as long as one the hand-over carries.
constexpr std::size_t kMaxPacketBytes = std::size_t{16} << 20;

// What a file that is no regular file is, for the message that refuses it.
const char* fileKind(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "no regular file";
}

// Opens `name` for reading; standard input for "-". Anything but a regular file is refused
// before it is opened: a named pipe with no writer, or a device, would block or never end.
int openInput(const std::string& name, std::string& error) {
    if (name == "-") return STDIN_FILENO;
    const std::string quoted = "\"" + name + "\"";
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) {
        error = "cannot read packet file " + quoted + ": " + std::strerror(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error =
            "packet file " + quoted + " is " + fileKind(info.st_mode) + ", not a regular file" +
            (S_ISDIR(info.st_mode) ? ""
                                   : " (to read it, give - and " + name + " as standard input)");
        return -1;
    }
    // Without blocking, in case it was replaced by something else since.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "cannot read packet file " + quoted + ": " +
                (fd < 0 ? std::strerror(errno) : "not a regular file");
        if (fd >= 0) ::close(fd);
        return -1;
    }
    return fd;
}

// Hands each packet of the stream to the interpreter and says what was passed over.
class InterpreterFeed final : public sim::FrameSplitterEvents {
  public:
    InterpreterFeed(sim::PacketInterpreter& interpreter, std::ostream& err, std::string name)
        : interpreter_(interpreter), err_(err), name_(std::move(name)) {}

    void packet(const sim::FramePacket& packet) override { take(packet.bytes, packet.offset); }

    // One packet, fed as the kind it travels as.
    void take(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
        ++packets_;
        const std::size_t refusedBefore = interpreter_.refusedPictureCount();
        if (sim::packetKind(bytes) == sim::kKindStringFile)
            interpreter_.interpretStringPacket(bytes);
        else
            interpreter_.newMessage(bytes);
        if (interpreter_.refusedPictureCount() != refusedBefore) reportRefusal(offset);
    }

    void skipped(std::uint64_t offset, std::uint64_t length, sim::SkippedKind kind) override {
        err_ << "orvexsim-render: warning: " << name_ << ": ";
        switch (kind) {
            case sim::SkippedKind::NoPacket:
                err_ << length << (length == 1 ? " byte" : " bytes") << " at offset " << offset
                     << " hold no packet; skipped\n";
                break;
            case sim::SkippedKind::CutShort:
                err_ << "the packet at offset " << offset << " (" << length
                     << " bytes) ends before its EOT; skipped\n";
                break;
            case sim::SkippedKind::TooLong:
                err_ << "the packet at offset " << offset << " is " << length
                     << " bytes long, more than " << kMaxPacketBytes << "; skipped\n";
                break;
        }
    }

    long packets() const { return packets_; }

  private:
    void reportRefusal(std::uint64_t offset) {
        const sim::RefusedPicture& p = interpreter_.lastRefusedPicture();
        std::string name;
        for (const char c : p.name)
            name += c >= 32 && c < 127 ? c : '?';
        err_ << "orvexsim-render: warning: " << name_ << ": picture \"" << name << "\" of "
             << p.width << " x " << p.height << " LEDs in the packet at offset " << offset
             << " is not shown: it takes " << p.bytes << " bytes, and "
             << (p.bytes > sim::kMaxPictureBytes
                     ? "a picture may take at most " + std::to_string(sim::kMaxPictureBytes)
                     : "all pictures together may take at most " +
                           std::to_string(sim::kMaxPictureStoreBytes))
             << '\n';
    }

    sim::PacketInterpreter& interpreter_;
    std::ostream& err_;
    std::string name_;
    long packets_ = 0;
};

}  // namespace

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

bool feedPackets(const PacketArg& arg, sim::PacketInterpreter& interpreter, std::ostream& err,
                 std::string& error) {
    if (arg.source == PacketArg::Source::Hex) {
        const auto bytes = parseHex(arg.text);
        if (!bytes) {
            error = "-x: \"" + arg.text + "\" is not hexadecimal bytes";
            return false;
        }
        InterpreterFeed feed(interpreter, err, "-x");
        feed.take(*bytes, 0);
        return true;
    }
    const int fd = openInput(arg.text, error);
    if (fd < 0) return false;
    const std::string name = arg.text == "-" ? "standard input" : arg.text;
    InterpreterFeed feed(interpreter, err, name);
    // Files may hold packets written as they are handed over, escaped too.
    sim::FrameSplitter splitter(feed, kMaxPacketBytes, sim::EscapedFrames::Found);
    std::vector<std::uint8_t> chunk(kReadChunk);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = "cannot read " + (arg.text == "-" ? name : "packet file \"" + name + "\"") +
                    ": " + std::strerror(errno);
            ok = false;
            break;
        }
        if (n == 0) break;
        splitter.feed(std::span(chunk).first(static_cast<std::size_t>(n)));
    }
    if (fd != STDIN_FILENO) ::close(fd);
    if (!ok) return false;
    splitter.finish();
    if (feed.packets() == 0) err << "orvexsim-render: warning: " << name << " holds no packet\n";
    return true;
}

}  // namespace ztk::render
