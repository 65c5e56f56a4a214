// SPDX-License-Identifier: MIT
#include "testfiles.h"

#include <fcntl.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ztk::msgfile::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "msgfile-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string dataFile(const std::string& name) {
    return std::string(MSGFILE_TEST_DATA) + "/" + name;
}

}  // namespace ztk::msgfile::test

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ztk::msgfile::test {

namespace {
constexpr uid_t kNobody = 65534;
}

SmallFileSystem::SmallFileSystem(std::size_t bytes, std::size_t inodes) {
    const std::string options =
        "size=" + std::to_string(bytes) + ",nr_inodes=" + std::to_string(inodes) + ",mode=0777";
    mounted_ = ::mount("tmpfs", dir_.file("").c_str(), "tmpfs", 0, options.c_str()) == 0;
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_) ::umount2(dir_.file("").c_str(), MNT_DETACH);
}

void SmallFileSystem::useUpInodes() const {
    for (int i = 0; i < 100000; ++i) {
        const std::string name = file("filler" + std::to_string(i));
        const int fd = ::open(name.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0) return;
        ::close(fd);
    }
}

int runUnprivileged(const std::function<int()>& body) {
    if (::geteuid() != 0) return body();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(126);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return 127;
    return WEXITSTATUS(status);
}

void openToEveryone(const std::string& path) {
    if (::geteuid() != 0) return;
    [[maybe_unused]] const int top = ::chown(path.c_str(), kNobody, kNobody);
    ::chmod(path.c_str(), 0755);
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ec)) {
        [[maybe_unused]] const int r = ::chown(entry.path().c_str(), kNobody, kNobody);
    }
}

}  // namespace ztk::msgfile::test
