// SPDX-License-Identifier: MIT
#include <string>
#include <utility>

#include "pictureparser.h"
#include "simcore/bytedecoder.h"
#include "simcore/interpreter.h"
#include "textcompiler.h"

namespace ztk::sim {

namespace {

constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kWriteText = 'A';
constexpr std::uint8_t kWriteString = 'G';
constexpr std::uint8_t kWriteSmallPicture = 'I';
constexpr std::uint8_t kWriteNamedPicture = 'M';
constexpr std::size_t kPictureNameLength = 9;
// Longest string file the engine takes whole; longer ones are cut to one entry less, so
// that the copy with its end entry never exceeds 126 entries.
constexpr std::size_t kStringCopyWhole = 126;
constexpr std::size_t kStringCopyCut = 125;

// What the engine shows while no text file is stored: one blank hold page, for ever.
std::shared_ptr<const MessageStream> blankText() {
    static const std::shared_ptr<const MessageStream> blank = [] {
        auto stream = std::make_shared<MessageStream>();
        stream->append(Op::Mode, 0);
        stream->append(Op::EndText);
        return stream;
    }();
    return blank;
}

}  // namespace

PacketInterpreter::PacketInterpreter(const DisplayModel& model)
    : model_(model), automodes_(model.modeMask) {}

void PacketInterpreter::newMessage(std::span<const std::uint8_t> packet) {
    FileMap dropped;
    {
        std::lock_guard lock(textMutex_);
        dropped.swap(textFiles_);
    }
    pictures_.clear();
    {
        std::lock_guard lock(automodeMutex_);
        automodes_.restart();
    }
    interpret(packet);
}

void PacketInterpreter::interpretStringPacket(std::span<const std::uint8_t> packet) {
    interpret(packet);
}

void PacketInterpreter::setModel(const DisplayModel& model) {
    model_ = model;
    {
        std::lock_guard lock(automodeMutex_);
        automodes_.rebuild(model_.modeMask);
    }
    FileMap texts;
    {
        std::lock_guard lock(textMutex_);
        texts = textFiles_;
    }
    for (auto& [label, stream] : texts) {
        if (auto fresh = recompile(*stream)) storeText(label, std::move(fresh));
    }
    FileMap strings;
    {
        std::lock_guard lock(stringMutex_);
        strings = stringFiles_;
    }
    for (auto& [label, stream] : strings) {
        if (auto fresh = recompile(*stream)) storeString(label, std::move(fresh));
    }
}

void PacketInterpreter::interpret(std::span<const std::uint8_t> packet) {
    ByteDecoder in(packet, escapeModeOf(packet.empty() ? 0 : packet.front()));
    bool flashMode = false;
    for (;;) {
        const std::size_t stxOffset = in.position();
        auto b = in.next();
        if (!b) return;
        if (*b != kStx) continue;
        const std::size_t commandOffset = in.position();
        auto command = in.next();
        if (!command) return;
        switch (*command) {
            case kWriteText:
            case kWriteString: {
                auto label = in.next();
                if (!label) return;
                const Op end = *command == kWriteText ? Op::EndText : Op::EndString;
                auto stream = compileText(in, stxOffset, end, flashMode);
                if (*command == kWriteText) {
                    storeText(*label, std::move(stream));
                } else {
                    storeString(*label, std::move(stream));
                }
                break;
            }
            case kWriteSmallPicture: {
                auto label = in.next();
                if (!label) return;
                readPicture(in, *label, 2, std::string(1, static_cast<char>(*label)));
                break;
            }
            case kWriteNamedPicture: {
                std::string name;
                for (std::size_t i = 0; i < kPictureNameLength; ++i) {
                    auto c = in.next();
                    if (!c) return;
                    name.push_back(static_cast<char>(*c));
                }
                readPicture(in, pictures_.idForName(name), 4, name);
                break;
            }
            default:
                // Not a command of ours; the byte after the STX may itself start one.
                in.seek(commandOffset);
                break;
        }
    }
}

std::shared_ptr<MessageStream> PacketInterpreter::compileText(ByteDecoder& in,
                                                              std::size_t stxOffset, Op end,
                                                              bool& flashMode) {
    auto stream = std::make_shared<MessageStream>();
    TextCompiler(model_, pictures_, flashMode).compile(in, *stream, end);
    const auto raw = in.raw().subspan(stxOffset, in.position() - stxOffset);
    stream->setSource({raw.begin(), raw.end()});
    stream->setSourceEscape(in.mode());
    return stream;
}

std::shared_ptr<MessageStream> PacketInterpreter::recompile(const MessageStream& old) {
    ByteDecoder in(old.source(), old.sourceEscape());
    auto stx = in.next();
    auto command = in.next();
    if (!stx || *stx != kStx || !command || !in.next()) return nullptr;
    const Op end = *command == kWriteText ? Op::EndText : Op::EndString;
    bool flashMode = false;
    return compileText(in, 0, end, flashMode);
}

void PacketInterpreter::readPicture(ByteDecoder& in, std::optional<std::uint16_t> id,
                                    int sizeDigits, std::string name) {
    auto size = readPictureSize(in, sizeDigits);
    const std::size_t bytes =
        size ? (static_cast<std::size_t>(size->width) + 1) * static_cast<std::size_t>(size->height)
             : 0;
    // Sizes come from the packet: check them before anything is allocated.
    const bool tooLarge = id && size && !pictures_.canStore(*id, bytes);
    if (tooLarge) {
        ++refusedPictures_;
        lastRefused_ = {std::move(name), size->width, size->height, bytes};
    }
    if (!id || !size || tooLarge) {
        readPictureRows(in, nullptr, 0);
        return;
    }
    const std::uint8_t base = pictures_.isFlash(*id) ? kFlashPictureBase : kPictureBase;
    DotsPicture picture = blankPicture(*size, base);
    readPictureRows(in, &picture, base);
    pictures_.store(*id, std::move(picture));
}

void PacketInterpreter::storeText(std::uint8_t label, std::shared_ptr<const MessageStream> stream) {
    {
        std::lock_guard lock(textMutex_);
        std::swap(textFiles_[label], stream);
    }
    stream.reset();  // the engine may still hold the replaced one; it goes when released
}

void PacketInterpreter::storeString(std::uint8_t label,
                                    std::shared_ptr<const MessageStream> stream) {
    {
        std::lock_guard lock(stringMutex_);
        std::swap(stringFiles_[label], stream);
    }
    stream.reset();  // delete the replaced string file outside the lock
}

std::shared_ptr<const MessageStream> PacketInterpreter::currentText() const {
    std::lock_guard lock(textMutex_);
    if (textFiles_.empty()) return blankText();
    return textFiles_.begin()->second;
}

std::shared_ptr<const DotsPicture> PacketInterpreter::picture(std::uint16_t id) const {
    return pictures_.find(id);
}

bool PacketInterpreter::copyStringFile(std::uint8_t label, std::vector<std::uint32_t>& out) const {
    std::lock_guard lock(stringMutex_);
    auto it = stringFiles_.find(label);
    if (it == stringFiles_.end()) return false;
    const auto& entries = it->second->entries();
    const std::size_t count = entries.size() <= kStringCopyWhole ? entries.size() : kStringCopyCut;
    out.assign(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(count));
    out.push_back(makeEntry(Op::EndString, 0));
    return true;
}

std::uint16_t PacketInterpreter::nextAutomode() {
    std::lock_guard lock(automodeMutex_);
    return automodes_.next();
}

std::shared_ptr<const MessageStream> PacketInterpreter::textFile(std::uint8_t label) const {
    std::lock_guard lock(textMutex_);
    auto it = textFiles_.find(label);
    return it == textFiles_.end() ? nullptr : it->second;
}

std::vector<std::uint8_t> PacketInterpreter::textFileLabels() const {
    std::lock_guard lock(textMutex_);
    std::vector<std::uint8_t> labels;
    for (const auto& entry : textFiles_)
        labels.push_back(entry.first);
    return labels;
}

std::shared_ptr<const MessageStream> PacketInterpreter::stringFile(std::uint8_t label) const {
    std::lock_guard lock(stringMutex_);
    auto it = stringFiles_.find(label);
    return it == stringFiles_.end() ? nullptr : it->second;
}

std::vector<std::uint16_t> PacketInterpreter::automodeCodes() const {
    std::lock_guard lock(automodeMutex_);
    return automodes_.codes();
}

}  // namespace ztk::sim
