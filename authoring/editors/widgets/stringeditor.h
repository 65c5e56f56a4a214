// SPDX-License-Identifier: MIT
#pragma once
// The string and alarm editor's panel: the message as coloured rich text, the colour box,
// the five display attribute boxes and the view size.

#include <QPointer>
#include <QTextEdit>

#include "itemeditor.h"
#include "model/stringmodel.h"

class QComboBox;
class QPushButton;

namespace ztk::legendo {

class UpDown;

// The rich-text box: typed and pasted text takes the colour of the insertion point and the
// view size; a line break is not part of a sign message, so Enter adds none and pasted line
// breaks become blanks.
class RichTextBox : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichTextBox(QWidget* parent = nullptr);
    void setViewSize(int points) { viewSize_ = points; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    void keepViewSize();
    int viewSize_ = StringEditorModel::kResetViewSize;
};

// The coloured text a document holds; characters without a colour count as kNoColor.
ColoredText coloredTextOf(const QTextDocument& document);

// Not a child of the window: the main window owns it through Editors.
class StringEditor final : public QObject, public ItemEditor {
    Q_OBJECT
  public:
    StringEditor(EditorHost& host, QWidget* parent);
    ~StringEditor() override;

    QWidget* panel() override { return panel_; }
    void reset() override;
    bool load() override;
    void save() override;
    void setSaveEnabled(bool enabled) override;

    StringEditorModel& model() { return model_; }
    RichTextBox* textBox() const { return text_; }

  private:
    void build(QWidget* parent);
    void connectControls();
    void refresh(unsigned changes);
    // Shows the model's text in the box, without it counting as an edit.
    void showText();
    void applyViewSize();
    void selectionMoved();
    void chooseColor(int index);

    EditorHost& host_;
    StringEditorModel model_;
    QPointer<QWidget> panel_;
    RichTextBox* text_ = nullptr;
    QComboBox* color_ = nullptr;
    QComboBox* mode_ = nullptr;
    QComboBox* special_ = nullptr;
    QComboBox* speed_ = nullptr;
    QComboBox* position_ = nullptr;
    QComboBox* font_ = nullptr;
    UpDown* viewSize_ = nullptr;
    QPushButton* save_ = nullptr;
    // The program is filling the box: its changes are not edits.
    bool showing_ = false;
};

}  // namespace ztk::legendo
