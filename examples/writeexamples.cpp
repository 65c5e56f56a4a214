// SPDX-License-Identifier: MIT
// write_examples: writes the example message files into a folder (by default the current
// one). The build target update-examples runs it into examples/, whose files are committed.
#include <cstdio>
#include <string>

#include "factoryboard.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: %s [FOLDER]\n", argv[0]);
        return 2;
    }
    const std::string folder = argc == 2 ? argv[1] : ".";
    const std::string path = folder + "/" + ztk::examples::kFactoryFileName;
    std::string problem;
    if (!ztk::examples::writeFactoryBoard(path, problem)) {
        std::fprintf(stderr, "write_examples: %s: %s\n", path.c_str(), problem.c_str());
        return 1;
    }
    std::printf("%s\n", path.c_str());
    return 0;
}
