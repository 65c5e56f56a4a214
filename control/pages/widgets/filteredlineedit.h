// SPDX-License-Identifier: MIT
#pragma once
// The pages' text box: it selects its whole text whenever it gains the focus, reports when
// it loses the focus, and can pass every typed or pasted character through a key filter.

#include <QLineEdit>

#include <functional>
#include <optional>

namespace ztk::pages {

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    // What a typed character becomes in a box holding `length` characters (with or without
    // a selection that the character replaces); nothing drops it.
    using KeyFilter =
        std::function<std::optional<QChar>(QChar key, qsizetype length, bool hasSelection)>;

    explicit FilteredLineEdit(QWidget* parent = nullptr);

    // Also turns input methods off for the box: their composed text would not pass the filter.
    void setKeyFilter(KeyFilter filter);
    // Inserts `text` at the cursor as if its characters were typed one after another.
    void typeText(const QString& text);
    // Does what losing the focus does (the dialog calls it before it applies, since OK
    // pressed with Enter leaves the focus where it is).
    void finishEditing() { emit editingLeft(); }

  signals:
    // The box lost the focus to another field of the window.
    void editingLeft();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void pasteFiltered(const QString& text);

    KeyFilter filter_;
};

}  // namespace ztk::pages
