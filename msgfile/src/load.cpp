#include "msgfile/load.h"

#include "msgfile/names.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace ztk::msgfile {
namespace {

// pugixml keeps whitespace-only text only with parse_ws_pcdata; we take it all and then
// drop what is mere layout (see isLayoutWhitespace).
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_ws_pcdata;

LoadError tooLarge() {
    return {kCodeFileTooLarge, 0, 0, "File is larger than the 16 MiB allowed for a message file"};
}

LoadError placedError(int code, std::string reason, std::string_view bytes, std::ptrdiff_t offset) {
    LoadError error{code, 0, 0, std::move(reason)};
    if (offset < 0) return error;
    const auto end = std::min(static_cast<std::size_t>(offset), bytes.size());
    // Line counts newlines before the error; position counts characters (not UTF-8
    // continuation bytes) since the line began, both from 1.
    int line = 1;
    int position = 1;
    for (std::size_t i = 0; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\n') {
            ++line;
            position = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++position;
        }
    }
    error.line = line;
    error.position = position;
    return error;
}

bool isWhitespaceOnly(const char* text) {
    for (; *text != '\0'; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r') return false;
    }
    return true;
}

bool isItemElement(pugi::xml_node node) {
    const std::string_view name = node.name();
    return name == elem::kTemplate || name == elem::kString || name == elem::kAlarm;
}

// Whitespace-only text is kept where it is data: an item's name (its first child) and the
// sole content of an element (a rotate line of blanks, a variable named " "). Elsewhere it
// is indentation of a hand-edited file and is dropped, so that readers never see it.
bool isLayoutWhitespace(pugi::xml_node node) {
    if (node.type() != pugi::node_pcdata || !isWhitespaceOnly(node.value())) return false;
    const pugi::xml_node parent = node.parent();
    const bool soleChild = !node.previous_sibling() && !node.next_sibling();
    const bool itemName = !node.previous_sibling() && isItemElement(parent);
    return !soleChild && !itemName;
}

// Walks the whole tree in document order without recursion: returns the first element
// nested deeper than kMaxDepth (empty when none) and removes layout whitespace on the way.
pugi::xml_node checkAndTidy(pugi::xml_document& doc) {
    std::vector<pugi::xml_node> layout;
    std::vector<std::pair<pugi::xml_node, int>> pending{{doc, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        if (node.type() == pugi::node_element && depth > kMaxDepth) return node;
        if (isLayoutWhitespace(node)) layout.push_back(node);
        for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling()) {
            pending.emplace_back(child, depth + 1);
        }
    }
    for (pugi::xml_node node : layout)
        node.parent().remove_child(node);
    return {};
}

}  // namespace

std::optional<LoadError> loadMessageBuffer(pugi::xml_document& doc, std::string_view bytes) {
    doc.reset();
    if (bytes.size() > kMaxFileBytes) {
        return tooLarge();
    }
    const pugi::xml_parse_result result =
        doc.load_buffer(bytes.data(), bytes.size(), kParseFlags, pugi::encoding_auto);
    if (!result) {
        doc.reset();
        return placedError(result.status, result.description(), bytes, result.offset);
    }
    if (const pugi::xml_node deep = checkAndTidy(doc)) {
        LoadError error =
            placedError(kCodeNestedTooDeep,
                        "Elements are nested deeper than " + std::to_string(kMaxDepth) + " levels",
                        bytes, deep.offset_debug());
        doc.reset();
        return error;
    }
    return std::nullopt;
}

std::optional<LoadError> loadMessageFile(pugi::xml_document& doc, const std::string& path) {
    namespace fs = std::filesystem;
    doc.reset();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        return LoadError{pugi::status_file_not_found, 0, 0, "File was not found: '" + path + "'"};
    }
    // Anything but a regular file (a folder, a pipe, a device) could block or never end.
    if (!fs::is_regular_file(status)) {
        return LoadError{pugi::status_io_error, 0, 0, "Not a regular file: '" + path + "'"};
    }
    const auto size = fs::file_size(path, ec);
    if (!ec && size > kMaxFileBytes) {
        return tooLarge();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return LoadError{pugi::status_io_error, 0, 0,
                         "Could not read '" + path + "': " + std::strerror(errno)};
    }
    // Read in chunks and stop past the cap: a file that grew since it was measured is still
    // refused rather than read without bound.
    std::string bytes;
    if (!ec) bytes.reserve(static_cast<std::size_t>(size));
    std::vector<char> chunk(64 * 1024);
    while (in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxFileBytes) {
            return tooLarge();
        }
    }
    if (in.bad()) {
        return LoadError{pugi::status_io_error, 0, 0, "Could not read '" + path + "'"};
    }
    return loadMessageBuffer(doc, bytes);
}

}  // namespace ztk::msgfile
