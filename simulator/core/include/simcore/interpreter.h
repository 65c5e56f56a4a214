// SPDX-License-Identifier: MIT
#pragma once
// The simulator's packet interpreter: decodes packets, compiles text and string files into
// message streams and pictures into dots pictures, and keeps them for the display engine.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "simcore/automodelist.h"
#include "simcore/displaymodel.h"
#include "simcore/messagestream.h"
#include "simcore/picturestore.h"
#include "simcore/signcontent.h"

namespace ztk::sim {

class ByteDecoder;

// Kinds of the hand-over records the simulator receives.
inline constexpr int kKindModelLine = 330;   // a display-model line: reconfigure
inline constexpr int kKindNewMessage = 586;  // a packet that starts a new message
inline constexpr int kKindStringFile = 842;  // a packet that writes a string file

// Packet operations and setModel are called from one thread, the owner's. The read
// operations of SignContent may be called from the engine thread at any time; every store
// is guarded, and streams and pictures are handed out as shared pointers, so a file that
// is replaced stays valid for whoever still reads it.
// A picture the interpreter did not keep because its size is beyond the store's bounds.
struct RefusedPicture {
    std::string name;  // the one-character label of a small picture, or the nine-character name
    int width = 0;
    int height = 0;
    std::size_t bytes = 0;  // (width + 1) x height
};

class PacketInterpreter final : public SignContent {
  public:
    explicit PacketInterpreter(const DisplayModel& model = {});

    const DisplayModel& model() const { return model_; }

    // A new message (kind 586): drops the text files, pictures, picture names and the
    // flash-picture list, restarts the automode cursor, then interprets `packet`. String
    // files are kept. The owner keeps the display engine paused around this call.
    void newMessage(std::span<const std::uint8_t> packet);
    // A string-file packet (kind 842): interprets `packet` while the engine runs.
    void interpretStringPacket(std::span<const std::uint8_t> packet);
    // A new display model: rebuilds the automode list, then compiles every stored text
    // file and after them every string file again from its raw source. Pictures stay.
    // Called while the display engine is stopped.
    void setModel(const DisplayModel& model);

    std::shared_ptr<const MessageStream> currentText() const override;
    std::shared_ptr<const DotsPicture> picture(std::uint16_t id) const override;
    bool copyStringFile(std::uint8_t label, std::vector<std::uint32_t>& out) const override;
    std::uint16_t nextAutomode() override;

    // The text file `label`, or null.
    std::shared_ptr<const MessageStream> textFile(std::uint8_t label) const;
    // Labels of the stored text files, in the order the engine picks from.
    std::vector<std::uint8_t> textFileLabels() const;
    // The string file `label`, or null.
    std::shared_ptr<const MessageStream> stringFile(std::uint8_t label) const;
    const PictureStore& pictures() const { return pictures_; }
    // The codes of the current automode list.
    std::vector<std::uint16_t> automodeCodes() const;
    // How many pictures were refused for their size so far (owner's thread), and the last.
    std::size_t refusedPictureCount() const { return refusedPictures_; }
    const RefusedPicture& lastRefusedPicture() const { return lastRefused_; }

  private:
    using FileMap = std::map<std::uint8_t, std::shared_ptr<const MessageStream>>;

    void interpret(std::span<const std::uint8_t> packet);
    // Compiles the text that follows in `in` (the STX of its command was at raw offset
    // `stxOffset`), ending it with `end` and keeping its raw bytes as the source.
    std::shared_ptr<MessageStream> compileText(ByteDecoder& in, std::size_t stxOffset, Op end,
                                               bool& flashMode);
    // Compiles a stored file again from its source for the current model; null when the
    // source no longer holds a text command.
    std::shared_ptr<MessageStream> recompile(const MessageStream& old);
    void readPicture(ByteDecoder& in, std::optional<std::uint16_t> id, int sizeDigits,
                     std::string name);
    void storeText(std::uint8_t label, std::shared_ptr<const MessageStream> stream);
    void storeString(std::uint8_t label, std::shared_ptr<const MessageStream> stream);

    DisplayModel model_;
    PictureStore pictures_;

    mutable std::mutex textMutex_;
    FileMap textFiles_;

    // The string-file lock: 842 packets replace string files while the engine reads them.
    mutable std::mutex stringMutex_;
    FileMap stringFiles_;

    std::size_t refusedPictures_ = 0;
    RefusedPicture lastRefused_;

    mutable std::mutex automodeMutex_;
    AutomodeList automodes_;
};

}  // namespace ztk::sim
