#include "testfiles.h"

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
