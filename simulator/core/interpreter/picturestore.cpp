// SPDX-License-Identifier: MIT
#include "simcore/picturestore.h"

#include <utility>

namespace ztk::sim {

std::optional<std::uint16_t> PictureStore::idForName(std::string_view name) {
    std::lock_guard lock(mutex_);
    if (auto it = names_.find(name); it != names_.end()) return it->second;
    if (names_.size() >= kMaxPictureNames) return std::nullopt;
    const auto id = static_cast<std::uint16_t>(kFirstNamedPictureId + names_.size());
    names_.emplace(std::string(name), id);
    return id;
}

std::optional<std::uint16_t> PictureStore::findName(std::string_view name) const {
    std::lock_guard lock(mutex_);
    if (auto it = names_.find(name); it != names_.end()) return it->second;
    return std::nullopt;
}

std::size_t PictureStore::nameCount() const {
    std::lock_guard lock(mutex_);
    return names_.size();
}

void PictureStore::markFlash(std::uint16_t id) {
    std::lock_guard lock(mutex_);
    flash_.insert(id);
}

bool PictureStore::isFlash(std::uint16_t id) const {
    std::lock_guard lock(mutex_);
    return flash_.contains(id);
}

bool PictureStore::canStoreLocked(std::uint16_t id, std::size_t bytes) const {
    if (bytes > kMaxPictureBytes) return false;
    std::size_t replaced = 0;
    if (auto it = pictures_.find(id); it != pictures_.end()) replaced = it->second->pixels.size();
    return bytes_ - replaced + bytes <= kMaxPictureStoreBytes;
}

bool PictureStore::canStore(std::uint16_t id, std::size_t bytes) const {
    std::lock_guard lock(mutex_);
    return canStoreLocked(id, bytes);
}

bool PictureStore::store(std::uint16_t id, DotsPicture picture) {
    auto stored = std::make_shared<const DotsPicture>(std::move(picture));
    std::shared_ptr<const DotsPicture> old;
    {
        std::lock_guard lock(mutex_);
        if (!canStoreLocked(id, stored->pixels.size())) return false;
        auto& slot = pictures_[id];
        if (slot) bytes_ -= slot->pixels.size();
        bytes_ += stored->pixels.size();
        old = std::exchange(slot, std::move(stored));
    }
    return true;  // `old` is released outside the lock
}

std::shared_ptr<const DotsPicture> PictureStore::find(std::uint16_t id) const {
    std::lock_guard lock(mutex_);
    if (auto it = pictures_.find(id); it != pictures_.end()) return it->second;
    return nullptr;
}

std::size_t PictureStore::pictureCount() const {
    std::lock_guard lock(mutex_);
    return pictures_.size();
}

std::size_t PictureStore::storedBytes() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

void PictureStore::clear() {
    decltype(pictures_) dropped;
    std::lock_guard lock(mutex_);
    dropped.swap(pictures_);
    names_.clear();
    flash_.clear();
    bytes_ = 0;
}

}  // namespace ztk::sim
