// SPDX-License-Identifier: MIT
#pragma once
// The main window's state and operations without widgets: the explorer of open message
// files, the selection, the menus' state, the file and item operations and the save
// routines the editors call. The window shows it and forwards the user's input.

#include "itemeditor.h"
#include "legendo/editorhost.h"
#include "legendo/explorertree.h"
#include "legendo/itemstore.h"
#include "legendo/menustate.h"
#include "legendo/windowview.h"

#include <optional>
#include <string>
#include <vector>

namespace ztk::legendo {

enum class MouseButton { Left, Right, Middle };

class MainModel : public EditorHost {
  public:
    MainModel(Prompter& prompter, WindowView& view);

    // The three editors; without them items are not opened.
    void setEditors(ItemEditor* templateEditor, ItemEditor* multipageEditor,
                    ItemEditor* stringEditor);

    // EditorHost
    Selection& selection() override { return selection_; }
    Prompter& prompter() override { return prompter_; }
    void setChanged(bool changed) override;
    bool saveTemplate(const msgfile::TemplateContent& content) override;
    bool saveMultipageTemplate(const msgfile::PageContent& page) override;
    bool saveString(const std::vector<msgfile::ColoredRun>& text,
                    const msgfile::DisplayBoxes& boxes) override;
    bool saveAlarm(const std::vector<msgfile::ColoredRun>& text,
                   const msgfile::DisplayBoxes& boxes) override;

    const ExplorerTree& tree() const { return tree_; }
    const MenuState& menus() const { return menus_; }

    // Start-up: the root node, then the stored files and then `extraFiles` (a file named
    // on the command line), each loaded; the root ends selected.
    void startUp(const std::vector<std::string>& extraFiles = {});
    // The window asks to close: the save prompt when there are unsaved changes, then the
    // list of open files is stored. False keeps the window open.
    bool queryClose();

    // Splits `key` into the selection and sets the menus' enabled states.
    bool parseKey(const std::string& key);
    // The user picked the node `key`: selects it and opens its editor.
    void nodeClick(const std::string& key);
    // A mouse button went down over the tree, on the node `key` or on none.
    void mouseDown(MouseButton button, const std::optional<std::string>& key);
    // A key that may move the selection (an arrow, a character) went down in the tree;
    // true when it is to be swallowed.
    bool selectionKey();

    // Menu commands.
    void newMessageFile();
    void addMessageFile();
    void removeMessageFile();
    void newMessage();
    bool newTemplate();
    bool newMultipageTemplateFromMenu();
    bool newMultipageTemplate();
    bool newString();
    bool newAlarm();
    void deleteMessage();
    bool removeTemplate();
    bool removeItem(const std::string& kind);

    // Adds the file at `path` with its items to the explorer and selects it.
    bool loadMessageFile(const std::string& path);

    // The folder the file dialogs start in: the selected file's, else the documents folder.
    std::string dialogFolder() const;

  private:
    enum class Prompt { Proceed, Stop };
    // Asks to save unsaved changes; Stop when the user cancelled or the save failed.
    Prompt savePrompt();
    void saveOpenEditor();
    void selectNode(const std::string& key);
    void openItem(const ExplorerNode& node);
    bool newItem(ItemKind kind);
    void popUpForSelection();
    void show(const Notice& notice);
    bool report(const Outcome& outcome);

    Prompter& prompter_;
    WindowView& view_;
    ExplorerTree tree_;
    Selection selection_;
    MenuState menus_;
    ItemEditor* templateEditor_ = nullptr;
    ItemEditor* multipageEditor_ = nullptr;
    ItemEditor* stringEditor_ = nullptr;
};

}  // namespace ztk::legendo
