// SPDX-License-Identifier: MIT
#include "msgfile/load.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include "msgfile/names.h"

namespace ztk::msgfile {
namespace {

// pugixml keeps whitespace-only text only with parse_ws_pcdata; we take it all and then
// drop what is mere layout (see isLayoutWhitespace).
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_ws_pcdata;

// Rough sizes of what pugixml allocates per node and attribute, for the cache's memory cap.
constexpr std::size_t kNodeBytes = 64;
constexpr std::size_t kAttributeBytes = 40;

// How many times `wanted` occurs in `text`, eight bytes at a time. Every attribute has an "="
// in the text, so this bounds the attributes far more cheaply than visiting them.
std::size_t countByte(std::string_view text, char wanted) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t pattern = 0x0101010101010101ULL * static_cast<unsigned char>(wanted);
    std::size_t count = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t x = word ^ pattern;  // a zero byte where `wanted` stands
        // The top bit of each byte is set unless the byte is zero; no carry crosses a byte.
        const std::uint64_t nonZero = ((x & kLow7) + kLow7) | x;
        // One per zero byte in each byte's lowest bit, summed into the top byte.
        const std::uint64_t zeros = (~nonZero & ~kLow7) >> 7;
        count += static_cast<std::size_t>((zeros * 0x0101010101010101ULL) >> 56);
    }
    for (; i < text.size(); ++i)
        count += text[i] == wanted ? 1 : 0;
    return count;
}

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

// What the walk of a parsed tree found.
struct TreeFacts {
    pugi::xml_node tooDeep;  // the first element nested deeper than kMaxDepth
    std::size_t nodes = 0;
};

// Visits every node in document order (pugixml's own iterative traversal, so deep documents
// cannot exhaust the stack), stopping at the first element nested too deeply.
class TreeWalk final : public pugi::xml_tree_walker {
  public:
    explicit TreeWalk(ItemIndex* index) : index_(index) {}

    bool for_each(pugi::xml_node& node) override {
        ++facts.nodes;
        const pugi::xml_node_type type = node.type();
        if (type == pugi::node_element) {
            // depth() counts the root element as 0.
            if (depth() >= kMaxDepth) {
                facts.tooDeep = node;
                return false;
            }
            if (index_) index_->add(node, node.name());
        } else if (type == pugi::node_pcdata && isLayoutWhitespace(node)) {
            layout.push_back(node);
        }
        return true;
    }

    TreeFacts facts;
    std::vector<pugi::xml_node> layout;

  private:
    ItemIndex* index_;
};

// The one walk of the whole tree after parsing: checks the nesting, hands every element to
// `index` (when given) and then removes the layout whitespace it met. Layout is judged on
// the tree as parsed, before anything is removed.
TreeFacts walkTree(pugi::xml_document& doc, ItemIndex* index) {
    TreeWalk walk(index);
    if (doc.traverse(walk)) {
        for (pugi::xml_node blank : walk.layout)
            blank.parent().remove_child(blank);
        if (index) index->finish();
    }
    return walk.facts;
}

// Checks and tidies a document that pugixml has parsed with `result`; on failure `doc` is
// emptied and the error placed in `bytes`, the text as it was before parsing.
std::optional<LoadError> finishParse(pugi::xml_document& doc, const pugi::xml_parse_result& result,
                                     std::string_view bytes, ItemIndex* index, TreeFacts& facts) {
    if (!result) {
        doc.reset();
        return placedError(result.status, result.description(), bytes, result.offset);
    }
    facts = walkTree(doc, index);
    if (facts.tooDeep) {
        LoadError error =
            placedError(kCodeNestedTooDeep,
                        "Elements are nested deeper than " + std::to_string(kMaxDepth) + " levels",
                        bytes, facts.tooDeep.offset_debug());
        doc.reset();
        return error;
    }
    return std::nullopt;
}

std::optional<LoadError> parseCopy(pugi::xml_document& doc, std::string_view bytes,
                                   ItemIndex* index, TreeFacts& facts) {
    doc.reset();
    if (bytes.size() > kMaxFileBytes) return tooLarge();
    const pugi::xml_parse_result result =
        doc.load_buffer(bytes.data(), bytes.size(), kParseFlags, pugi::encoding_auto);
    return finishParse(doc, result, bytes, index, facts);
}

// A buffer from pugixml's own allocator, so that a document can take it over and parse it in
// place.
class ParseBuffer {
  public:
    ParseBuffer() = default;
    ~ParseBuffer() { pugi::get_memory_deallocation_function()(data_); }
    ParseBuffer(const ParseBuffer&) = delete;
    ParseBuffer& operator=(const ParseBuffer&) = delete;

    // Room for at least `capacity` bytes, keeping what is there.
    void reserve(std::size_t capacity) {
        if (capacity <= capacity_) return;
        auto* grown = static_cast<char*>(pugi::get_memory_allocation_function()(capacity));
        if (!grown) throw std::bad_alloc();
        if (size_ > 0) std::memcpy(grown, data_, size_);
        pugi::get_memory_deallocation_function()(data_);
        data_ = grown;
        capacity_ = capacity;
    }
    char* data() { return data_; }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    void grow(std::size_t count) { size_ += count; }
    std::string_view view() const { return {data_, size_}; }
    // Hands the bytes over to whoever frees them with pugixml's deallocator.
    char* release() {
        capacity_ = size_ = 0;
        return std::exchange(data_, nullptr);
    }

  private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

std::int64_t nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp stampFrom(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size), nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

std::int64_t nowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

LoadError notRegular(const std::string& path) {
    return {pugi::status_io_error, 0, 0, "Not a regular file: '" + path + "'"};
}

// The whole file in one buffer, with what stat() said of it before and after the read.
struct FileBytes {
    ParseBuffer buffer;
    FileStamp before;
    FileStamp after;
    std::int64_t readStartNs = 0;
    bool readTwice = false;  // the first read did not parse; the file may have changed since
    std::size_t equalSigns = 0;
};

std::optional<LoadError> readFile(const std::string& path, FileBytes& out) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return LoadError{pugi::status_file_not_found, 0, 0, "File was not found: '" + path + "'"};
    }
    // Anything but a regular file (a folder, a pipe, a device) could block or never end.
    if (!S_ISREG(info.st_mode)) return notRegular(path);
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxFileBytes) return tooLarge();
    out.before = stampFrom(info);
    out.readStartNs = nowNs();

    // Non-blocking, so that a pipe put in the file's place since the stat() cannot hang us.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) {
        return LoadError{pugi::status_io_error, 0, 0,
                         "Could not read '" + path + "': " + std::strerror(errno)};
    }
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return notRegular(path);

    // One byte more than the size, to see the end at once; a file that grew since it was
    // measured is read on, but never past the cap.
    ParseBuffer& buffer = out.buffer;
    buffer.reserve(std::min(static_cast<std::size_t>(info.st_size), kMaxFileBytes) + 1);
    for (;;) {
        if (buffer.size() == buffer.capacity()) {
            buffer.reserve(std::min(buffer.capacity() * 2, kMaxFileBytes + 1));
        }
        const ssize_t count =
            ::read(fd.get(), buffer.data() + buffer.size(), buffer.capacity() - buffer.size());
        if (count < 0) {
            if (errno == EINTR) continue;
            return LoadError{pugi::status_io_error, 0, 0, "Could not read '" + path + "'"};
        }
        if (count == 0) break;
        buffer.grow(static_cast<std::size_t>(count));
        if (buffer.size() > kMaxFileBytes) return tooLarge();
    }
    if (::fstat(fd.get(), &info) != 0) return notRegular(path);
    out.after = stampFrom(info);
    return std::nullopt;
}

// Reads and parses the file at `path`: the bytes are read once into one buffer that the
// document parses in place and keeps.
std::optional<LoadError> loadFile(pugi::xml_document& doc, const std::string& path,
                                  ItemIndex* index, FileBytes& bytes, TreeFacts& facts) {
    doc.reset();
    if (auto error = readFile(path, bytes)) return error;
    const std::size_t size = bytes.buffer.size();
    if (index) bytes.equalSigns = countByte(bytes.buffer.view(), '=');
    const pugi::xml_parse_result result =
        doc.load_buffer_inplace_own(bytes.buffer.release(), size, kParseFlags, pugi::encoding_auto);
    if (result && !(facts = walkTree(doc, index)).tooDeep) return std::nullopt;

    // Parsing in place has rewritten the text, and an error's line and position count the
    // text as it was: read the file again and report from a copy parsed the ordinary way.
    doc.reset();
    if (index) *index = ItemIndex();
    FileBytes again;
    if (auto error = readFile(path, again)) return error;
    bytes.after = again.after;
    bytes.readTwice = true;
    return parseCopy(doc, again.buffer.view(), index, facts);
}

}  // namespace

std::optional<LoadError> loadMessageBuffer(pugi::xml_document& doc, std::string_view bytes) {
    TreeFacts facts;
    return parseCopy(doc, bytes, nullptr, facts);
}

std::optional<LoadError> loadMessageFile(pugi::xml_document& doc, const std::string& path) {
    FileBytes bytes;
    TreeFacts facts;
    return loadFile(doc, path, nullptr, bytes, facts);
}

std::optional<FileStamp> stampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return stampFrom(info);
}

std::optional<LoadError> loadIndexedMessageFile(IndexedMessageFile& file, const std::string& path,
                                                std::int64_t settleWindowNs) {
    FileBytes bytes;
    TreeFacts facts;
    if (auto error = loadFile(file.document, path, &file.items, bytes, facts)) return error;
    file.stamp = bytes.after;
    const std::int64_t lastChange = std::max(bytes.after.modifiedNs, bytes.after.changedNs);
    file.settled = !bytes.readTwice && bytes.before == bytes.after &&
                   lastChange <= bytes.readStartNs - settleWindowNs;
    file.memoryBytes = static_cast<std::size_t>(bytes.after.size) + facts.nodes * kNodeBytes +
                       bytes.equalSigns * kAttributeBytes + file.items.memoryBytes();
    return std::nullopt;
}

}  // namespace ztk::msgfile
