// SPDX-License-Identifier: MIT
#include "msgfile/names.h"
#include "msgfile/writers.h"
#include "writerinternals.h"

#include <vector>

namespace ztk::msgfile {
namespace {

void setUnlessNotSet(pugi::xml_node node, const char* name, const std::string& value) {
    if (value != kNotSet) detail::setAttribute(node, name, value);
}

void unescapeAngles(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '<') ++i;
    }
    text = std::move(out);
}

// The editor's text walked one character at a time. UTF-8 continuation bytes are never
// "<", ">" or " ", so walking bytes is the same as walking characters here.
struct FlatText {
    std::string bytes;
    std::vector<Rgb> colors;
};

FlatText flatten(const std::vector<ColoredRun>& runs) {
    FlatText flat;
    for (const ColoredRun& run : runs) {
        flat.bytes += run.text;
        flat.colors.insert(flat.colors.end(), run.text.size(), run.color);
    }
    return flat;
}

// WriteString with `variables`, WriteAlarm without.
WriteOutcome writeRichText(pugi::xml_node item, const std::vector<ColoredRun>& runs,
                           const DisplayBoxes& boxes, bool variables) {
    if (!item) throw detail::WriterFailure(kErrNoElement, "No item element to write into");
    const FlatText flat = flatten(runs);
    const std::string& text = flat.bytes;
    std::string run;
    Rgb runColor = flat.colors.empty() ? kRgbRed : flat.colors.front();
    bool first = true;

    auto flushPlain = [&] {
        if (variables) unescapeAngles(run);
        return WriteTag(item, run, boxes, runColor, first, false);
    };

    std::size_t i = 0;
    while (i < text.size()) {
        if (flat.colors[i] != runColor) {
            if (WriteOutcome outcome = flushPlain(); !outcome) return outcome;
            runColor = flat.colors[i];
        }
        const char c = text[i];
        if (variables && c == '<') {
            if (i + 1 < text.size() && text[i + 1] == '<') {
                run += "<<";
                i += 2;
                continue;
            }
            if (WriteOutcome outcome = flushPlain(); !outcome) return outcome;
            const std::size_t close = text.find('>', i + 1);
            if (close == std::string::npos) return WriteOutcome::missingCloseTag();
            std::string name = text.substr(i + 1, close - i - 1);
            unescapeAngles(name);
            if (WriteOutcome outcome = WriteTag(item, name, boxes, runColor, first, true);
                !outcome) {
                return outcome;
            }
            i = close + 1;
            continue;
        }
        run += c == ' ' ? kBlank : c;
        ++i;
    }
    return flushPlain();
}

}  // namespace

WriteOutcome WriteTag(pugi::xml_node parent, std::string& run, const DisplayBoxes& boxes, Rgb color,
                      bool& first, bool isVariable) {
    return detail::guarded("WriteTag", [&] {
        if (run.empty()) return WriteOutcome::ok();
        const pugi::xml_node text = detail::appendElement(parent, elem::kText);
        if (first) {
            first = false;
            setUnlessNotSet(text, attr::kSpeed, boxes.speed);
            setUnlessNotSet(text, attr::kSpecial, boxes.special);
            setUnlessNotSet(text, attr::kMode, boxes.mode);
            setUnlessNotSet(text, attr::kPosition, boxes.position);
        }
        setUnlessNotSet(text, attr::kFont, boxes.font);
        detail::setAttribute(text, attr::kColor, colorWord(color));
        detail::appendText(isVariable ? detail::appendElement(text, elem::kVariable) : text, run);
        run.clear();
        return WriteOutcome::ok();
    });
}

WriteOutcome WriteString(pugi::xml_node item, const std::vector<ColoredRun>& text,
                         const DisplayBoxes& boxes) {
    return detail::guarded("WriteString", [&] { return writeRichText(item, text, boxes, true); });
}

WriteOutcome WriteAlarm(pugi::xml_node item, const std::vector<ColoredRun>& text,
                        const DisplayBoxes& boxes) {
    return detail::guarded("WriteAlarm", [&] { return writeRichText(item, text, boxes, false); });
}

}  // namespace ztk::msgfile
