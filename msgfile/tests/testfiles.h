#pragma once
// Real files in a private temporary folder for the msgfile tests.

#include <filesystem>
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
