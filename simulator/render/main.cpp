// SPDX-License-Identifier: MIT
// orvexsim-render: renders Orvex packets on the simulated sign without a window.

#include <iostream>
#include <string>
#include <vector>

#include "renderoptions.h"
#include "renderrun.h"

int main(int argc, char** argv) {
    using namespace ztk::render;
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto parsed = parseArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << "orvexsim-render: " << *error << '\n'
                  << usageLines() << "Try 'orvexsim-render --help' for more information.\n";
        return kExitBadArguments;
    }
    const RenderOptions& options = std::get<RenderOptions>(parsed);
    if (options.help || options.version) {
        std::cout << (options.help ? usage() : versionText()) << std::flush;
        return std::cout ? kExitOk : kExitOutputFailed;
    }
    return render(options, std::cerr);
}
