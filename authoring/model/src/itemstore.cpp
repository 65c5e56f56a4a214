// SPDX-License-Identifier: MIT
#include "legendo/itemstore.h"

#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"

#include <pugixml.hpp>

#include <exception>
#include <new>

namespace ztk::legendo {
namespace {

// "Template" for both kinds of template, else "String" or "Alarm".
std::string nounOf(ItemKind kind) {
    switch (kind) {
        case ItemKind::Template:
        case ItemKind::MultipageTemplate:
            return "Template";
        case ItemKind::String:
            return "String";
        case ItemKind::Alarm:
            return "Alarm";
    }
    return "Template";
}

std::string createTitle(ItemKind kind) {
    return kind == ItemKind::MultipageTemplate ? "New Multipage Template Failed."
                                               : "New " + nounOf(kind) + " Failed.";
}

// Runs one operation; anything it raises is shown as number :: source under `title`.
template <typename Body>
Outcome guarded(const std::string& title, Body&& body) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return Notice{runtimeErrorText(kErrOutOfMemory, kErrorSource, "Out of memory"), title};
    } catch (const std::exception& e) {
        return Notice{runtimeErrorText(kErrOutOfMemory, kErrorSource, e.what()), title};
    }
}

Outcome saved(const pugi::xml_document& doc, const std::string& file, const std::string& title,
              const std::string& lastLine) {
    const msgfile::SaveResult result = msgfile::saveDocument(doc, file);
    if (result) return std::nullopt;
    return Notice{saveFailureText(result, file, lastLine), title};
}

// A writer's own failure, shown under the program's title.
Notice writerNotice(const msgfile::WriteOutcome& outcome) {
    const bool missingTag = outcome.kind == msgfile::WriteOutcome::Kind::MissingCloseTag;
    return Notice{msgfile::outcomeText(outcome, kLineBreak), "",
                  missingTag ? Icon::Exclamation : Icon::Critical};
}

void setAttribute(pugi::xml_node node, const char* name, const std::string& value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) attribute = node.append_attribute(name);
    attribute.set_value(value.c_str());
}

// Empties the item and gives it back its name, as the writers expect it.
void renew(pugi::xml_node item, const std::string& name) {
    item.remove_children();
    item.append_child(pugi::node_pcdata).set_value(name.c_str());
}

// The steps every save shares: load, find the item, fill it and save only when the
// writer succeeded.
template <typename Fill>
Outcome rewriteItem(const std::string& file, const char* element, const std::string& name,
                    const std::string& title, Fill&& fill) {
    return guarded(title, [&]() -> Outcome {
        pugi::xml_document doc;
        if (msgfile::loadMessageFile(doc, file)) return Notice{text::kFileNotLoaded, title};
        const msgfile::ItemLookup found = msgfile::findItem(doc, element, name);
        if (found.corrupt) return Notice{text::kCorruptFile, title};
        if (!found.item) return Notice{text::kOutOfSynch, title};
        if (const msgfile::WriteOutcome written = fill(found.item); !written) {
            return writerNotice(written);
        }
        return saved(doc, file, title, text::kSavedChangesLost);
    });
}

}  // namespace

const char* elementOf(ItemKind kind) {
    switch (kind) {
        case ItemKind::Template:
        case ItemKind::MultipageTemplate:
            return msgfile::elem::kTemplate;
        case ItemKind::String:
            return msgfile::elem::kString;
        case ItemKind::Alarm:
            return msgfile::elem::kAlarm;
    }
    return msgfile::elem::kTemplate;
}

Outcome createItem(const std::string& file, ItemKind kind, const std::string& name) {
    const std::string title = createTitle(kind);
    return guarded(title, [&]() -> Outcome {
        pugi::xml_document doc;
        if (msgfile::loadMessageFile(doc, file)) return Notice{text::kFileNotLoaded, title};
        const msgfile::ItemLookup found = msgfile::findItem(doc, elementOf(kind), name);
        if (found.corrupt) return Notice{text::kCorruptFile, title};
        if (found.item) {
            return Notice{nounOf(kind) + " '" + name + "' already exists in " + file + ".", title};
        }
        pugi::xml_node item = doc.document_element().append_child(elementOf(kind));
        item.append_child(pugi::node_pcdata).set_value(name.c_str());
        if (kind == ItemKind::MultipageTemplate) {
            setAttribute(item, msgfile::attr::kType, msgfile::kMultipage);
        }
        return saved(doc, file, title, nounOf(kind) + " was not created.");
    });
}

Outcome removeItem(const std::string& file, ItemKind kind, const std::string& name) {
    const std::string noun = nounOf(kind);
    const std::string title = "Remove " + noun + " Failed.";
    return guarded(title, [&]() -> Outcome {
        pugi::xml_document doc;
        if (msgfile::loadMessageFile(doc, file)) return Notice{text::kFileNotLoaded, title};
        const msgfile::ItemLookup found = msgfile::findItem(doc, elementOf(kind), name);
        if (found.corrupt) return Notice{text::kCorruptFile, title};
        if (!found.item) return Notice{noun + " not found in specified file.", title};
        found.item.parent().remove_child(found.item);
        return saved(doc, file, title, noun + " was not removed.");
    });
}

Outcome saveTemplateItem(const std::string& file, const std::string& name,
                         const msgfile::TemplateContent& content) {
    return rewriteItem(
        file, msgfile::elem::kTemplate, name, "Save Template Failed.", [&](pugi::xml_node item) {
            renew(item, name);
            // "--" leaves a font the template already has.
            if (content.font != msgfile::kNotSet) {
                setAttribute(item, msgfile::attr::kFont, content.font);
            }
            setAttribute(item, msgfile::attr::kRows, std::to_string(content.board.rows()));
            setAttribute(item, msgfile::attr::kCols, std::to_string(content.board.cols()));
            return msgfile::WriteTemplate(item, content);
        });
}

Outcome saveMultipageItem(const std::string& file, const std::string& name,
                          const msgfile::PageContent& page,
                          const msgfile::PagePlacement& placement) {
    return rewriteItem(
        file, msgfile::elem::kTemplate, name, "Save Template Failed.", [&](pugi::xml_node item) {
            setAttribute(item, msgfile::attr::kNumberOfPages, std::to_string(placement.pageCount));
            setAttribute(item, msgfile::attr::kType, msgfile::kMultipage);
            return msgfile::WriteMultiPgTemplate(item, page, placement);
        });
}

Outcome saveTextItem(const std::string& file, ItemKind kind, const std::string& name,
                     const std::vector<msgfile::ColoredRun>& text,
                     const msgfile::DisplayBoxes& boxes) {
    const bool alarm = kind == ItemKind::Alarm;
    return rewriteItem(file, elementOf(kind), name,
                       alarm ? "Save Alarm Failed." : "Save String Failed.",
                       [&](pugi::xml_node item) {
                           renew(item, name);
                           return alarm ? msgfile::WriteAlarm(item, text, boxes)
                                        : msgfile::WriteString(item, text, boxes);
                       });
}

Outcome createFile(const std::string& path) {
    return guarded(text::kNewFileTitle, [&]() -> Outcome {
        const msgfile::SaveResult result = msgfile::createMessageFile(path);
        if (result) return std::nullopt;
        return Notice{saveFailureText(result, path, text::kNewFileNotCreated), text::kNewFileTitle};
    });
}

}  // namespace ztk::legendo
