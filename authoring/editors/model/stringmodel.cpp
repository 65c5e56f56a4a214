// SPDX-License-Identifier: MIT
#include "model/stringmodel.h"

#include <algorithm>

#include "model/itemfile.h"
#include "model/text32.h"
#include "model/xmlnodes.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/text.h"

namespace ztk::legendo {
namespace {

// The entry matching `value` (in upper case when `anyCase`), else the box's first entry.
template <std::size_t N>
std::string entryFor(const std::array<const char*, N>& entries,
                     const std::optional<std::string>& value, bool anyCase) {
    if (value) {
        for (const char* entry : entries) {
            if (anyCase ? upperAscii(entry) == upperAscii(*value) : *value == entry) return entry;
        }
    }
    return entries.front();
}

Rgb loadedColor(pugi::xml_node text) {
    const auto color = msgfile::attributeValue(text, msgfile::attr::kColor);
    if (!color) return msgfile::kRgbWhite;
    const std::string upper = upperAscii(*color);
    if (upper == "GREEN") return msgfile::kRgbGreen;
    if (upper == "AMBER") return msgfile::kRgbAmber;
    return msgfile::kRgbRed;
}

std::string doubledAngles(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '<') out += '<';
    }
    return out;
}

// Appends what `node` shows, in document order: the text and variables of a TEXT in its
// colour, a nested TEXT in its own. Every TEXT is shown once, where the sign shows it.
void appendShown(ColoredText& out, pugi::xml_node node, Rgb color, StringKind kind) {
    const bool inText = isElement(node, msgfile::elem::kText);
    for (pugi::xml_node child : node.children()) {
        std::string part;
        if (isTextNode(child) && inText) {
            // Only strings escape "<": in an alarm it is an ordinary character, and
            // doubling it would double it again at every save.
            part = kind == StringKind::String ? doubledAngles(child.value())
                                              : std::string(child.value());
        } else if (isElement(child, msgfile::elem::kVariable) && inText) {
            part = "<" + msgfile::itemName(child) + ">";
        } else if (isElement(child, msgfile::elem::kText)) {
            appendShown(out, child, loadedColor(child), kind);
        } else if (child.type() == pugi::node_element) {
            appendShown(out, child, color, kind);
        }
        if (!part.empty()) out.append(toU32(msgfile::blanksToSpaces(part)), color);
    }
}

}  // namespace

ColoredText textOfItem(pugi::xml_node item, StringKind kind) {
    ColoredText text;
    appendShown(text, item, kNoColor, kind);
    return text;
}

StringEditorModel::StringEditorModel(EditorHost& host) : host_(host) {}

void StringEditorModel::reset() {
    lastText_ = {};
    boxes_ = {};
    colorBox_ = SignColor::Red;
    viewSize_ = kResetViewSize;
    notify(listener_, kAllChanged);
}

bool StringEditorModel::load(StringKind kind) {
    pugi::xml_document doc;
    const pugi::xml_node item =
        openSelectedItem(host_, doc, stringTexts(kind == StringKind::Alarm));
    if (!item) return false;
    lastText_ = textOfItem(item, kind);
    const std::vector<pugi::xml_node> elements =
        msgfile::elementsByName(item, msgfile::elem::kText);
    const pugi::xml_node first = elements.empty() ? pugi::xml_node() : elements.front();
    auto value = [&](const char* name) { return msgfile::attributeValue(first, name); };
    boxes_.special = entryFor(kSpecials, value(msgfile::attr::kSpecial), true);
    boxes_.speed = entryFor(kSpeeds, value(msgfile::attr::kSpeed), false);
    boxes_.position = entryFor(kPositions, value(msgfile::attr::kPosition), true);
    boxes_.mode = entryFor(kModes, value(msgfile::attr::kMode), true);
    boxes_.font = entryFor(kStringFonts, value(msgfile::attr::kFont), true);
    host_.setChanged(false);
    notify(listener_, kAllChanged);
    return true;
}

bool StringEditorModel::save() {
    const std::string& folder = host_.selection().currentFolder;
    bool saved = false;
    if (folder == "Strings") {
        saved = host_.saveString(lastText_.runs(), boxes_);
    } else if (folder == "Alarms") {
        saved = host_.saveAlarm(lastText_.runs(), boxes_);
    }
    if (saved) host_.setChanged(false);
    return saved;
}

void StringEditorModel::contentChanged(const ColoredText& now) {
    if (now == lastText_) return;
    lastText_ = now;
    host_.setChanged(true);
    notify(listener_, kTextChanged);
}

std::optional<Rgb> StringEditorModel::selectionMoved(std::optional<Rgb> color) {
    std::optional<Rgb> give;
    if (!color) {
        colorBox_.reset();
    } else if (*color == kNoColor) {
        colorBox_ = SignColor::Red;
        give = msgfile::kRgbRed;
    } else {
        colorBox_ = signColorOf(*color).value_or(SignColor::Red);
    }
    notify(listener_, kBoxesChanged);
    return give;
}

void StringEditorModel::chooseColor(SignColor color) {
    colorBox_ = color;
    notify(listener_, kBoxesChanged);
}

void StringEditorModel::choose(std::string& box, std::string value) {
    box = std::move(value);
    host_.setChanged(true);
    notify(listener_, kBoxesChanged);
}

void StringEditorModel::chooseMode(std::string mode) {
    choose(boxes_.mode, std::move(mode));
}

void StringEditorModel::chooseSpecial(std::string special) {
    choose(boxes_.special, std::move(special));
}

void StringEditorModel::chooseSpeed(std::string speed) {
    choose(boxes_.speed, std::move(speed));
}

void StringEditorModel::choosePosition(std::string position) {
    choose(boxes_.position, std::move(position));
}

void StringEditorModel::chooseFont(std::string font) {
    choose(boxes_.font, std::move(font));
}

void StringEditorModel::stepViewSize(int delta) {
    viewSize_ = std::clamp(viewSize_ + delta, kMinViewSize, kMaxViewSize);
    notify(listener_, kViewChanged);
}

}  // namespace ztk::legendo
