#!/usr/bin/env bash
# A short sample session of the `marquee` host; grows as the system does.
set -euo pipefail
build=${BUILD_DIR:-build}
echo "The demo is not ready yet; build folder: $build"
