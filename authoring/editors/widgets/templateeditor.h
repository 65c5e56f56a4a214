// SPDX-License-Identifier: MIT
#pragma once
// The template editor's panel: the lightboard with its size, colour, font and variable
// controls. One class serves both template editors; the multipage one adds the page
// controls and works on the current page.

#include <QPointer>
#include <QWidget>

#include <memory>

#include "itemeditor.h"
#include "model/multipagemodel.h"
#include "model/templatemodel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace ztk::legendo {

class LightboardView;
class UpDown;

// Not a child of the window: the main window owns it through Editors.
class TemplateEditor final : public QObject, public ItemEditor {
    Q_OBJECT
  public:
    enum class Kind { SinglePage, Multipage };

    TemplateEditor(EditorHost& host, Kind kind, QWidget* parent);
    ~TemplateEditor() override;

    QWidget* panel() override { return panel_; }
    void reset() override;
    bool load() override;
    void save() override;
    void setSaveEnabled(bool enabled) override;

    TemplateEditorModel& model() { return model_; }
    // The page side; null for the single-page editor.
    MultipageModel* pages() { return pages_.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build(Kind kind, QWidget* parent);
    void buildPageControls(QWidget* panel);
    void connectControls();
    void refresh(unsigned changes);
    void refreshPages();
    void chooseColor(int index);

    EditorHost& host_;
    TemplateEditorModel model_;
    std::unique_ptr<MultipageModel> pages_;

    // Deleted with the editor unless its frame has deleted it first.
    QPointer<QWidget> panel_;
    LightboardView* grid_ = nullptr;
    QLineEdit* rows_ = nullptr;
    UpDown* rowsUpDown_ = nullptr;
    QLineEdit* cols_ = nullptr;
    UpDown* colsUpDown_ = nullptr;
    UpDown* fontSize_ = nullptr;
    QComboBox* color_ = nullptr;
    QComboBox* font_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* assign_ = nullptr;
    QPushButton* remove_ = nullptr;
    QTreeWidget* variables_ = nullptr;
    QPushButton* save_ = nullptr;
    // Multipage only.
    QComboBox* holdTime_ = nullptr;
    QLineEdit* rotateText_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QPushButton* previousPage_ = nullptr;
    QPushButton* nextPage_ = nullptr;
    QPushButton* addPage_ = nullptr;
    QPushButton* removePage_ = nullptr;
    // Where a chosen colour goes on the multipage panel: the board, or the rotating line
    // while its text is being edited.
    bool colorForRotateLine_ = false;
};

}  // namespace ztk::legendo
