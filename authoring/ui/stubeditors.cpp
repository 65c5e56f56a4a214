// Stand-in editors: each panel shows a short caption and the selected item, and loading
// always succeeds. They stand in until the template, multipage and string editors land;
// the program then links the editors' library instead of this file.
#include "itemeditor.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace ztk::legendo {
namespace {

class StubEditor final : public ItemEditor {
  public:
    StubEditor(EditorHost& host, QWidget* parent, const QString& caption)
        : host_(host), caption_(caption), panel_(new QWidget(parent)) {
        panel_->setAccessibleName(caption);
        label_ = new QLabel(caption, panel_);
        label_->setAccessibleName(caption);
        label_->setAlignment(Qt::AlignCenter);
        label_->setWordWrap(true);
        auto* layout = new QVBoxLayout(panel_);
        layout->addWidget(label_);
    }

    QWidget* panel() override { return panel_; }
    void reset() override { label_->setText(caption_); }
    bool load() override {
        label_->setText(caption_ + QStringLiteral("\n\n") +
                        QString::fromStdString(host_.selection().currentItem));
        return true;
    }
    void save() override {}
    void setSaveEnabled(bool) override {}

  private:
    EditorHost& host_;
    QString caption_;
    QWidget* panel_;
    QLabel* label_ = nullptr;
};

}  // namespace

Editors makeEditors(EditorHost& host, QWidget* parent) {
    Editors editors;
    editors.templateEditor =
        std::make_unique<StubEditor>(host, parent, QStringLiteral("Template editor"));
    editors.multipageEditor =
        std::make_unique<StubEditor>(host, parent, QStringLiteral("Multipage template editor"));
    editors.stringEditor =
        std::make_unique<StubEditor>(host, parent, QStringLiteral("String and alarm editor"));
    return editors;
}

}  // namespace ztk::legendo
