// SPDX-License-Identifier: MIT
#include "support/testenvironment.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace ztk::test {
namespace {

std::string& rootPath() {
    static std::string path;
    return path;
}

void removeRoot() {
    if (!rootPath().empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(rootPath(), ignored);
    }
}

}  // namespace

void prepareTestEnvironment() {
    if (!rootPath().empty()) return;
    std::string pattern = (std::filesystem::temp_directory_path() / "ztk-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    rootPath() = pattern;
    std::atexit(removeRoot);

    const std::string home = pattern + "/home";
    const std::string config = pattern + "/config";
    const std::string runtime = pattern + "/runtime";
    for (const auto& dir : {home, config, runtime}) {
        ::mkdir(dir.c_str(), 0700);
    }
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

QString testRoot() {
    return QString::fromStdString(rootPath());
}

}  // namespace ztk::test
