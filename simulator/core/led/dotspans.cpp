// SPDX-License-Identifier: MIT
#include <algorithm>

#include "simcore/screenbitmap.h"

namespace ztk::sim {

std::vector<DotSpan> dotSpans(int zoom) {
    zoom = std::clamp(zoom, 0, kMaxZoom);
    if (zoom == 0) return {{0, 1}};
    std::vector<DotSpan> spans;
    spans.reserve(zoom + 1);
    if (zoom == 1) {
        spans.push_back({0, 1});
    } else {
        // A pixel is lit when its centre lies inside the circle inscribed in the zoom x zoom
        // square; in doubled coordinates, (2c + 1 - z)^2 + (2r + 1 - z)^2 <= z^2.
        const int z = zoom;
        for (int r = 0; r < z; ++r) {
            const int dy = 2 * r + 1 - z;
            int start = 0;
            while (start < z) {
                const int dx = 2 * start + 1 - z;
                if (dx * dx + dy * dy <= z * z) break;
                ++start;
            }
            spans.push_back(start < z ? DotSpan{start, z - start} : DotSpan{0, 0});
        }
    }
    spans.push_back({0, 0});  // the black gap below the dot
    return spans;
}

}  // namespace ztk::sim
