// SPDX-License-Identifier: MIT
#include "model/boardreader.h"

#include <algorithm>

#include "model/editortexts.h"
#include "model/text32.h"
#include "model/xmlnodes.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/text.h"

namespace ztk::legendo {

IntegerAttribute readInteger(pugi::xml_node element, const char* name) {
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) return {};
    const std::optional<std::int16_t> value = msgfile::toInt16Rounded(attribute.value());
    if (!value) return {true, std::nullopt};
    return {true, static_cast<int>(*value)};
}

void BoardReader::readFont(pugi::xml_node element) {
    const std::string font = signFontNamed(msgfile::attributeOr(element, msgfile::attr::kFont, ""));
    model_.setFontBox(font.empty() ? kSignFonts.front() : font);
}

bool BoardReader::readSize(pugi::xml_node element) {
    auto read = [&](const char* name, int fallback, int max, const char* invalid) -> int {
        const IntegerAttribute attribute = readInteger(element, name);
        if (!attribute.present) return fallback;
        if (!attribute.value || *attribute.value < 0 || *attribute.value > max) {
            prompter_.message(invalid, "", Icon::None);
            return -1;
        }
        return *attribute.value;
    };
    const int rows = read(msgfile::attr::kRows, 1, Lightboard::kMaxRows, texts::kInvalidRows);
    if (rows < 0) return false;
    const int cols = read(msgfile::attr::kCols, 10, Lightboard::kMaxCols, texts::kInvalidCols);
    if (cols < 0) return false;
    model_.setSize(rows, cols);
    model_.placeCursor({0, 0});
    row_ = col_ = 0;
    return true;
}

bool BoardReader::readLines(pugi::xml_node element,
                            const std::function<bool(pugi::xml_node)>& other) {
    for (pugi::xml_node child : element.children()) {
        bool ok = true;
        if (isElement(child, msgfile::elem::kLine)) {
            ok = parseLineTag(child);
            if (ok && row_ < model_.board().rows() - 1) ++row_;
        } else if (other && child.type() == pugi::node_element) {
            ok = other(child);
        }
        if (!ok) {
            prompter_.message(texts::kReadLineFailed, texts::kTemplateErrorTitle, Icon::None);
            return false;
        }
    }
    return true;
}

bool BoardReader::parseLineTag(pugi::xml_node line) {
    const IntegerAttribute left = readInteger(line, msgfile::attr::kLeft);
    if (left.present && !left.value) {
        prompter_.message(texts::kParseLineFailed, "", Icon::None);
        return false;
    }
    col_ = std::max(left.value.value_or(0), 0);
    return readParts(line, false);
}

bool BoardReader::readParts(pugi::xml_node parent, bool withText) {
    for (pugi::xml_node child : parent.children()) {
        bool ok = true;
        if (withText && isTextNode(child)) {
            if (!PutText(toU32(child.value()))) warnTooLarge();
        } else if (isElement(child, msgfile::elem::kText)) {
            ok = LoadTextTag(child);
        } else if (isElement(child, msgfile::elem::kVariable)) {
            ok = LoadVariableTag(child);
        }
        if (!ok) {
            prompter_.message(texts::kParseLineFailed, "", Icon::None);
            return false;
        }
    }
    return true;
}

bool BoardReader::LoadTextTag(pugi::xml_node text) {
    if (const auto color = msgfile::attributeValue(text, msgfile::attr::kColor)) {
        model_.setColorBox(signColorNamed(*color).value_or(SignColor::Red));
    } else {
        model_.setCurrentColor(msgfile::kRgbWhite);
    }
    return readParts(text, true);
}

bool BoardReader::PutText(std::u32string_view text) {
    for (char32_t ch : text) {
        if (!model_.board().contains({row_, col_})) return false;
        model_.putCharacter({row_, col_}, ch);
        ++col_;
    }
    return true;
}

bool BoardReader::LoadVariableTag(pugi::xml_node variable) {
    int maxLen = 0;
    if (const auto text = msgfile::attributeValue(variable, msgfile::attr::kMaxLen)) {
        const std::optional<int> value = msgfile::maxLenFromText(*text);
        if (!value) return false;
        maxLen = *value;
    }
    if (!model_.board().contains({row_, col_})) {
        warnTooLarge();
        return true;
    }
    // A field has at least the cursor cell, and ends at the row's last column at the latest.
    const int last = std::max(std::min(col_ + maxLen, model_.board().cols()) - 1, col_);
    const std::string name = msgfile::itemName(variable);
    model_.setNameText(name);
    if (model_.addField(row_, col_, last, name, model_.colorBox())) model_.setNameText({});
    col_ = last + 1;
    return true;
}

void BoardReader::warnTooLarge() {
    prompter_.message(texts::kTemplateTooLarge, texts::kTemplateTooLargeTitle, Icon::Exclamation);
}

}  // namespace ztk::legendo
