#include "plainsavehost.h"

#include <cstdio>

#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/writers.h"

namespace ztk::legendo::test {
namespace {

void emptyWithName(pugi::xml_node item, const std::string& name) {
    while (item.first_child())
        item.remove_child(item.first_child());
    item.append_child(pugi::node_pcdata).set_value(name.c_str());
}

template <typename Value>
void setAttribute(pugi::xml_node node, const char* name, const Value& value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) attribute = node.append_attribute(name);
    attribute.set_value(value);
}

}  // namespace

Answer SilentPrompter::message(const std::string& text, const std::string&, Icon, Buttons buttons) {
    if (echo_) std::fprintf(stderr, "message: %s\n", text.c_str());
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
}

void PlainSaveHost::setChanged(bool changed) {
    selection_.changed = changed;
    for (ItemEditor* editor : editors_)
        editor->setSaveEnabled(changed);
}

void PlainSaveHost::select(const std::string& file, const std::string& folder,
                           const std::string& item) {
    selection_.currentFile = file;
    selection_.currentFolder = folder;
    selection_.currentItem = item;
    selection_.selectedKey = file + "::" + folder + "::" + item;
}

template <typename Fill>
bool PlainSaveHost::saveItem(const char* element, const std::string& failureTitle, Fill&& fill) {
    pugi::xml_document doc;
    if (msgfile::loadMessageFile(doc, selection_.currentFile)) {
        prompter_.message("File could not be loaded.  Verify filename and location.", failureTitle,
                          Icon::Critical);
        return false;
    }
    const msgfile::ItemLookup lookup = msgfile::findItem(doc, element, selection_.currentItem);
    if (lookup.corrupt || !lookup.item) {
        prompter_.message(lookup.corrupt ? "Corrupt file detected."
                                         : "Message file and explorer out of synch.  Remove and "
                                           "re-add file to refresh.",
                          failureTitle, Icon::Critical);
        return false;
    }
    const msgfile::WriteOutcome outcome = fill(lookup.item);
    if (!outcome) {
        const bool tag = outcome.kind == msgfile::WriteOutcome::Kind::MissingCloseTag;
        prompter_.message(msgfile::outcomeText(outcome), "",
                          tag ? Icon::Exclamation : Icon::Critical);
        return false;
    }
    if (const msgfile::SaveResult saved = msgfile::saveDocument(doc, selection_.currentFile);
        !saved) {
        prompter_.message(saved.reason, failureTitle, Icon::Critical);
        return false;
    }
    ++saves_;
    return true;
}

bool PlainSaveHost::saveTemplate(const msgfile::TemplateContent& content) {
    return saveItem(msgfile::elem::kTemplate, "Save Template Failed.", [&](pugi::xml_node item) {
        emptyWithName(item, selection_.currentItem);
        if (content.font != msgfile::kNotSet) {
            setAttribute(item, msgfile::attr::kFont, content.font.c_str());
        }
        setAttribute(item, msgfile::attr::kRows, content.board.rows());
        setAttribute(item, msgfile::attr::kCols, content.board.cols());
        return msgfile::WriteTemplate(item, content);
    });
}

bool PlainSaveHost::saveMultipageTemplate(const msgfile::PageContent& page) {
    return saveItem(msgfile::elem::kTemplate, "Save Template Failed.", [&](pugi::xml_node item) {
        setAttribute(item, msgfile::attr::kNumberOfPages, selection_.pageCount);
        setAttribute(item, msgfile::attr::kType, msgfile::kMultipage);
        if (selection_.newPagePending) {
            selection_.pageStored = true;
            selection_.newPagePending = false;
        }
        return msgfile::WriteMultiPgTemplate(
            item, page, {selection_.currentPage, selection_.pageCount, selection_.pageStored});
    });
}

bool PlainSaveHost::saveString(const std::vector<msgfile::ColoredRun>& text,
                               const msgfile::DisplayBoxes& boxes) {
    return saveItem(msgfile::elem::kString, "Save String Failed.", [&](pugi::xml_node item) {
        emptyWithName(item, selection_.currentItem);
        return msgfile::WriteString(item, text, boxes);
    });
}

bool PlainSaveHost::saveAlarm(const std::vector<msgfile::ColoredRun>& text,
                              const msgfile::DisplayBoxes& boxes) {
    return saveItem(msgfile::elem::kAlarm, "Save Alarm Failed.", [&](pugi::xml_node item) {
        emptyWithName(item, selection_.currentItem);
        return msgfile::WriteAlarm(item, text, boxes);
    });
}

}  // namespace ztk::legendo::test
