// SPDX-License-Identifier: MIT
#include "legendo/mainmodel.h"

#include "legendo/messages.h"
#include "legendo/nodekey.h"
#include "legendo/openfilelist.h"

#include "msgfile/load.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"

#include <QDir>
#include <QStandardPaths>

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>

namespace ztk::legendo {
namespace {

// Shows the hourglass pointer for as long as it lives.
class BusyPointer {
  public:
    explicit BusyPointer(WindowView& view) : view_(view) { view_.setBusy(true); }
    ~BusyPointer() { view_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    WindowView& view_;
};

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

NodeImage imageOf(ItemKind kind) {
    switch (kind) {
        case ItemKind::Template:
            return NodeImage::OrangeClip;
        case ItemKind::MultipageTemplate:
            return NodeImage::BlueClip;
        case ItemKind::String:
            return NodeImage::GreenClip;
        case ItemKind::Alarm:
            return NodeImage::RedClip;
    }
    return NodeImage::OrangeClip;
}

const char* newNameCaption(ItemKind kind) {
    switch (kind) {
        case ItemKind::Template:
            return "New Template";
        case ItemKind::MultipageTemplate:
            return "New Multipage Template";
        case ItemKind::String:
            return "New String";
        case ItemKind::Alarm:
            return "New Alarm";
    }
    return "New Template";
}

struct FolderSpec {
    const char* folder;
    ItemKind kind;
};
constexpr FolderSpec kFolders[] = {{kTemplatesFolder, ItemKind::Template},
                                   {kStringsFolder, ItemKind::String},
                                   {kAlarmsFolder, ItemKind::Alarm}};

NodeImage imageOfElement(ItemKind kind, pugi::xml_node element) {
    if (kind == ItemKind::Template &&
        msgfile::templateKind(element) == msgfile::TemplateKind::Multipage) {
        return NodeImage::BlueClip;
    }
    return imageOf(kind);
}

}  // namespace

MainModel::MainModel(Prompter& prompter, WindowView& view) : prompter_(prompter), view_(view) {
    tree_.setListener(&view_);
}

void MainModel::setEditors(ItemEditor* templateEditor, ItemEditor* multipageEditor,
                           ItemEditor* stringEditor) {
    templateEditor_ = templateEditor;
    multipageEditor_ = multipageEditor;
    stringEditor_ = stringEditor;
}

void MainModel::show(const Notice& notice) {
    prompter_.message(notice.text, notice.title, notice.icon);
}

bool MainModel::report(const Outcome& outcome) {
    if (outcome) show(*outcome);
    return !outcome;
}

void MainModel::setChanged(bool changed) {
    selection_.changed = changed;
    for (ItemEditor* editor : {templateEditor_, multipageEditor_, stringEditor_}) {
        if (editor) editor->setSaveEnabled(changed);
    }
}

bool MainModel::parseKey(const std::string& key) {
    try {
        const KeyParts parts = splitKey(key);
        menus_.messageNew = parts.kind == NodeKind::Folder;
        menus_.messageDelete = parts.kind == NodeKind::Item;
        menus_.fileRemove = parts.kind != NodeKind::Root;
        selection_.selectedKey = key;
        selection_.currentFile = parts.file;
        selection_.currentFolder = parts.folder;
        selection_.currentItem = parts.item;
        view_.menuStateChanged(menus_);
        return true;
    } catch (const std::exception& e) {
        prompter_.message(std::to_string(kErrOutOfMemory) + ":" + kErrorSource + kLineBreak +
                              e.what() + kLineBreak + "Recommend restarting Legendo.",
                          text::kParseKeyTitle, Icon::Critical);
        return false;
    }
}

void MainModel::selectNode(const std::string& key) {
    if (!tree_.select(key)) return;
    parseKey(key);
    // Whatever editor was open no longer shows the selection.
    if (splitKey(key).kind != NodeKind::Item) view_.bringToFront(Panel::Empty);
}

void MainModel::nodeClick(const std::string& key) {
    if (!tree_.select(key)) return;
    const std::string previous = selection_.selectedKey;
    parseKey(tree_.selectedKey());
    if (selection_.selectedKey == previous) return;
    const ExplorerNode* node = tree_.find(selection_.selectedKey);
    if (!node || splitKey(node->key).kind != NodeKind::Item) {
        view_.bringToFront(Panel::Empty);
        return;
    }
    openItem(*node);
}

void MainModel::openItem(const ExplorerNode& node) {
    // No editor stays in front while it is reset and loaded: one whose loading fails must
    // not be left showing, and saving, an item other than the selected one.
    view_.bringToFront(Panel::Empty);
    BusyPointer busy(view_);
    if (selection_.currentFolder == kTemplatesFolder) {
        if (node.image == NodeImage::BlueClip) {
            selection_.multipageMode = true;
            if (!multipageEditor_) return;
            multipageEditor_->reset();
            selection_.currentPage = 1;
            if (multipageEditor_->load()) {
                view_.enableOnly(Panel::Multipage);
                view_.bringToFront(Panel::Multipage);
            }
        } else {
            selection_.multipageMode = false;
            if (!templateEditor_) return;
            templateEditor_->reset();
            if (templateEditor_->load()) {
                selection_.currentPage = 0;
                selection_.pageCount = 0;
                view_.enableOnly(Panel::Template);
                view_.bringToFront(Panel::Template);
            }
        }
    } else if (selection_.currentFolder == kStringsFolder ||
               selection_.currentFolder == kAlarmsFolder) {
        selection_.multipageMode = false;
        if (!stringEditor_) return;
        stringEditor_->reset();
        if (stringEditor_->load()) {
            view_.enableOnly(Panel::String);
            view_.bringToFront(Panel::String);
        }
    }
}

MainModel::Prompt MainModel::savePrompt() {
    if (!selection_.changed) return Prompt::Proceed;
    switch (prompter_.message(text::kSavePrompt, kProgramTitle, Icon::Exclamation,
                              Buttons::YesNoCancel)) {
        case Answer::Yes:
            saveOpenEditor();
            // A save that failed has shown why; the changes stay for another try.
            return selection_.changed ? Prompt::Stop : Prompt::Proceed;
        case Answer::No:
            setChanged(false);
            return Prompt::Proceed;
        default:
            return Prompt::Stop;
    }
}

void MainModel::saveOpenEditor() {
    ItemEditor* editor = stringEditor_;
    if (selection_.currentFolder == kTemplatesFolder) {
        editor = selection_.multipageMode ? multipageEditor_ : templateEditor_;
    }
    if (editor) editor->save();
}

void MainModel::mouseDown(MouseButton button, const std::optional<std::string>& key) {
    if (!key) return;
    if (selection_.changed) {
        if (savePrompt() == Prompt::Proceed) nodeClick(*key);
        return;
    }
    nodeClick(*key);
    if (button == MouseButton::Right) popUpForSelection();
}

bool MainModel::selectionKey() {
    return selection_.changed && savePrompt() == Prompt::Stop;
}

void MainModel::popUpForSelection() {
    const KeyParts parts = splitKey(selection_.selectedKey);
    const std::string kind = singular(parts.folder);
    switch (parts.kind) {
        case NodeKind::Item:
            menus_.objectDelete = "Delete " + kind;
            view_.menuStateChanged(menus_);
            view_.popUp(PopupMenu::Object);
            break;
        case NodeKind::Folder:
            if (parts.folder == kTemplatesFolder) {
                menus_.formatNewTemplate = "New " + kind;
                menus_.formatNewMultipg = "New Multipage " + kind;
                view_.menuStateChanged(menus_);
                view_.popUp(PopupMenu::FormatTemplate);
            } else {
                menus_.formatNew = "New " + kind;
                view_.menuStateChanged(menus_);
                view_.popUp(PopupMenu::Format);
            }
            break;
        case NodeKind::File:
            view_.popUp(PopupMenu::XmlFile);
            break;
        case NodeKind::Root:
            view_.popUp(PopupMenu::Xml);
            break;
    }
}

void MainModel::startUp(const std::vector<std::string>& extraFiles) {
    BusyPointer busy(view_);
    tree_.add("", kRootKey, kRootText, NodeImage::CloseFolder);
    tree_.setSorted(kRootKey);
    for (const std::string& path : readOpenFileList())
        loadMessageFile(path);
    std::string wanted = kRootKey;
    for (const std::string& path : extraFiles) {
        // A file named again that is open already is simply shown.
        if (tree_.contains(path) || loadMessageFile(path)) wanted = path;
    }
    selectNode(wanted);
    selection_.newPagePending = false;
}

bool MainModel::queryClose() {
    if (savePrompt() == Prompt::Stop) return false;
    std::vector<std::pair<int, std::string>> files;
    if (const ExplorerNode* root = tree_.find(kRootKey)) {
        for (const ExplorerNode* file : root->children)
            files.emplace_back(tree_.index(file->key), file->text);
    }
    if (!writeOpenFileList(files)) {
        prompter_.message(text::kListNotSaved, "", Icon::Exclamation);
    }
    return true;
}

bool MainModel::loadMessageFile(const std::string& path) {
    try {
        if (pathHoldsSeparator(path)) {
            prompter_.message(separatorInPathText(path), text::kLoadTitle, Icon::Exclamation);
            return false;
        }
        pugi::xml_document doc;
        if (msgfile::loadMessageFile(doc, path)) {
            prompter_.message(loadErrorText(path), text::kLoadTitle, Icon::Exclamation);
            return false;
        }
        if (!tree_.add(kRootKey, path, path, NodeImage::CloseFolder)) {
            prompter_.message(text::kAlreadyLoaded, text::kLoadTitle, Icon::Exclamation);
            return false;
        }
        for (const FolderSpec& spec : kFolders) {
            const std::string folder = folderKey(path, spec.folder);
            tree_.add(path, folder, spec.folder, NodeImage::CloseFolder);
            for (pugi::xml_node element : msgfile::elementsByName(doc, elementOf(spec.kind))) {
                // Every operation acts on the first item of a name, so a later one of the
                // same name is not shown; an item without a name cannot be addressed.
                const std::string name = msgfile::itemName(element);
                if (name.empty()) continue;
                tree_.add(folder, itemKey(folder, name), name, imageOfElement(spec.kind, element));
            }
            tree_.setSorted(folder);
        }
        selectNode(path);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void MainModel::newMessageFile() {
    if (savePrompt() == Prompt::Stop) return;
    const std::string path = prompter_.chooseFileToSave(kMessageFileFilter, dialogFolder());
    if (path.empty()) return;
    if (pathHoldsSeparator(path)) {
        prompter_.message(separatorInPathText(path), text::kLoadTitle, Icon::Exclamation);
        return;
    }
    // An open file keeps its content: replacing it would leave the explorer showing items
    // that are gone.
    if (tree_.contains(path)) {
        prompter_.message(text::kAlreadyLoaded, text::kLoadTitle, Icon::Exclamation);
        return;
    }
    if (!report(createFile(path))) return;
    if (loadMessageFile(path)) selection_.currentFile = path;
}

void MainModel::addMessageFile() {
    if (savePrompt() == Prompt::Stop) return;
    const std::string path = prompter_.chooseFileToOpen(kMessageFileFilter, dialogFolder());
    if (path.empty()) return;
    if (loadMessageFile(path)) selection_.currentFile = path;
}

void MainModel::removeMessageFile() {
    if (selection_.currentFile.empty()) return;
    if (savePrompt() == Prompt::Stop) return;
    tree_.remove(selection_.currentFile);
    selectNode(kRootKey);
}

void MainModel::newMessage() {
    const std::string& folder = selection_.currentFolder;
    if (folder == kTemplatesFolder) {
        menus_.formatNewTemplate = "New " + singular(folder);
        menus_.formatNewMultipg = "New Multipage " + singular(folder);
        view_.menuStateChanged(menus_);
        view_.popUp(PopupMenu::FormatTemplate);
    } else if (folder == kStringsFolder) {
        newString();
    } else if (folder == kAlarmsFolder) {
        newAlarm();
    } else {
        prompter_.message("Unexpected Error: Format(" + folder + ")", "", Icon::None);
    }
}

bool MainModel::newTemplate() {
    return newItem(ItemKind::Template);
}

bool MainModel::newMultipageTemplateFromMenu() {
    selection_.multipageMode = true;
    selection_.pageCount = 1;
    return newMultipageTemplate();
}

bool MainModel::newMultipageTemplate() {
    return newItem(ItemKind::MultipageTemplate);
}

bool MainModel::newString() {
    return newItem(ItemKind::String);
}

bool MainModel::newAlarm() {
    return newItem(ItemKind::Alarm);
}

bool MainModel::newItem(ItemKind kind) {
    const std::optional<std::string> name = prompter_.askNewName(newNameCaption(kind));
    if (!name || name->empty()) return false;
    if (!report(createItem(selection_.currentFile, kind, *name))) return false;
    const std::string folder = selection_.selectedKey;
    tree_.expand(folder);
    const std::string key = itemKey(folder, *name);
    // A node left from an item removed behind our back takes the new item's image.
    if (tree_.contains(key)) {
        tree_.setImage(key, imageOf(kind));
    } else {
        tree_.add(folder, key, *name, imageOf(kind));
    }
    return true;
}

void MainModel::deleteMessage() {
    const std::string folder = upper(selection_.currentFolder);
    bool removed = false;
    if (folder == "TEMPLATES") {
        removed = removeTemplate();
    } else if (folder == "STRINGS") {
        removed = removeItem("String");
    } else if (folder == "ALARMS") {
        removed = removeItem("Alarm");
    } else {
        return;
    }
    if (!removed) return;
    const std::string folderNode = folderKey(selection_.currentFile, selection_.currentFolder);
    tree_.remove(selection_.selectedKey);
    // The item being edited is gone, and its changes with it.
    setChanged(false);
    selectNode(folderNode);
}

bool MainModel::removeTemplate() {
    if (!report(legendo::removeItem(selection_.currentFile, ItemKind::Template,
                                    selection_.currentItem))) {
        return false;
    }
    view_.bringToFront(Panel::Empty);
    return true;
}

bool MainModel::removeItem(const std::string& kind) {
    const ItemKind itemKind = kind == "Alarm" ? ItemKind::Alarm : ItemKind::String;
    if (!report(legendo::removeItem(selection_.currentFile, itemKind, selection_.currentItem))) {
        return false;
    }
    view_.bringToFront(Panel::Empty);
    return true;
}

bool MainModel::saveTemplate(const msgfile::TemplateContent& content) {
    return report(saveTemplateItem(selection_.currentFile, selection_.currentItem, content));
}

bool MainModel::saveMultipageTemplate(const msgfile::PageContent& page) {
    // The page written automatically on opening counts as stored from now on.
    if (selection_.newPagePending) {
        selection_.pageStored = true;
        selection_.newPagePending = false;
    }
    const msgfile::PagePlacement placement{selection_.currentPage, selection_.pageCount,
                                           selection_.pageStored};
    return report(
        saveMultipageItem(selection_.currentFile, selection_.currentItem, page, placement));
}

bool MainModel::saveString(const std::vector<msgfile::ColoredRun>& text,
                           const msgfile::DisplayBoxes& boxes) {
    return report(saveTextItem(selection_.currentFile, ItemKind::String, selection_.currentItem,
                               text, boxes));
}

bool MainModel::saveAlarm(const std::vector<msgfile::ColoredRun>& text,
                          const msgfile::DisplayBoxes& boxes) {
    return report(
        saveTextItem(selection_.currentFile, ItemKind::Alarm, selection_.currentItem, text, boxes));
}

std::string MainModel::dialogFolder() const {
    if (!selection_.currentFile.empty()) {
        const std::filesystem::path folder =
            std::filesystem::path(selection_.currentFile).parent_path();
        std::error_code ec;
        if (std::filesystem::is_directory(folder, ec)) return folder.string();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents.toStdString();
    return QDir::homePath().toStdString();
}

}  // namespace ztk::legendo
