// SPDX-License-Identifier: MIT
#include "preview.h"

namespace ztk::sim {

std::vector<std::string> previewGlyphs(const CharSet& set, const std::vector<int>& indices, char on,
                                       char off) {
    std::vector<std::string> rows(static_cast<std::size_t>(set.rows()));
    for (const int k : indices) {
        if (k < 0 || k >= set.glyphCount()) continue;
        const int width = set.glyphWidth(k);
        for (int r = 0; r < set.rows(); ++r) {
            for (int c = 0; c < width; ++c)
                rows[r] += set.lit(k, r, c) ? on : off;
            rows[r].append(static_cast<std::size_t>(set.spacing()), off);
        }
    }
    return rows;
}

std::vector<std::string> previewText(const CharSet& set, std::string_view latin1, char on,
                                     char off) {
    std::vector<int> indices;
    for (const char ch : latin1) {
        const int k = static_cast<unsigned char>(ch) - 32;
        indices.push_back(k >= 0 && k < set.glyphCount() ? k : '?' - 32);
    }
    return previewGlyphs(set, indices, on, off);
}

}  // namespace ztk::sim
