// SPDX-License-Identifier: MIT
#pragma once
// The dots pictures of the current message, their names and the flash-picture list, with
// bounds so that packets cannot make memory grow without limit. Thread-safe: the engine
// reads pictures while packets are interpreted.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "simcore/signcontent.h"

namespace ztk::sim {

// Largest picture accepted, in bytes of (width + 1) x height.
inline constexpr std::size_t kMaxPictureBytes = 4096 * 1024;
// Largest total of all stored pictures.
inline constexpr std::size_t kMaxPictureStoreBytes = 64 * 1024 * 1024;
// Most picture names kept; named pictures get the ids 256 to 256 + kMaxPictureNames - 1.
inline constexpr std::size_t kMaxPictureNames = 1024;
// Id of the first named picture; small pictures use their one-byte label as id.
inline constexpr std::uint16_t kFirstNamedPictureId = 256;

class PictureStore {
  public:
    // The id of picture `name`; a new name gets 256 + the number of names so far. Nothing
    // when the name is new and kMaxPictureNames names are already kept.
    std::optional<std::uint16_t> idForName(std::string_view name);
    // The id of a known name, without adding it.
    std::optional<std::uint16_t> findName(std::string_view name) const;
    std::size_t nameCount() const;

    // Remembers that picture `id` was called while flash mode was on.
    void markFlash(std::uint16_t id);
    bool isFlash(std::uint16_t id) const;

    // True when a picture of `bytes` bytes may be stored under `id`: it is within
    // kMaxPictureBytes and, counting the one it would replace, the store stays within
    // kMaxPictureStoreBytes.
    bool canStore(std::uint16_t id, std::size_t bytes) const;
    // Stores `picture` under `id`, replacing any picture of that id; false (nothing
    // stored) when canStore refuses it.
    bool store(std::uint16_t id, DotsPicture picture);
    // The picture with `id`, or null.
    std::shared_ptr<const DotsPicture> find(std::uint16_t id) const;
    std::size_t pictureCount() const;
    std::size_t storedBytes() const;

    // Drops every picture, name and flash mark.
    void clear();

  private:
    bool canStoreLocked(std::uint16_t id, std::size_t bytes) const;

    mutable std::mutex mutex_;
    std::map<std::uint16_t, std::shared_ptr<const DotsPicture>> pictures_;
    std::map<std::string, std::uint16_t, std::less<>> names_;
    std::set<std::uint16_t> flash_;
    std::size_t bytes_ = 0;
};

}  // namespace ztk::sim
