// SPDX-License-Identifier: MIT
#pragma once
// Real files in a private temporary folder for the msgfile tests.

#include <filesystem>
#include <functional>
#include <string>

namespace ztk::msgfile::test {

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// A file of the test data folder kept beside the tests.
std::string dataFile(const std::string& name);

}  // namespace ztk::msgfile::test

namespace ztk::msgfile::test {

// A tmpfs of `bytes` bytes and `inodes` inodes mounted on a fresh folder, for the faults
// of a full disk. Mounting needs root; `mounted()` is false elsewhere and the test skips.
class SmallFileSystem {
  public:
    SmallFileSystem(std::size_t bytes, std::size_t inodes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    std::string file(const std::string& name) const { return dir_.file(name); }
    // Makes files until the file system has no inode left.
    void useUpInodes() const;

  private:
    TempDir dir_;
    bool mounted_ = false;
};

// Runs `body` as a user without privileges (in a child process that drops root when the
// tests run as root, inline otherwise), so permission checks bite; returns its result.
// Paths it uses must be reachable for user "nobody": see `openToEveryone`.
int runUnprivileged(const std::function<int()>& body);
// Gives the folder, and what is in it, to the user `runUnprivileged` runs as.
void openToEveryone(const std::string& path);

}  // namespace ztk::msgfile::test
