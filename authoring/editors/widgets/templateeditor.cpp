// SPDX-License-Identifier: MIT
#include "widgets/templateeditor.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/templatesession.h"
#include "widgets/accessibility.h"
#include "widgets/lightboardview.h"
#include "widgets/updown.h"

namespace ztk::legendo {
namespace {

// The names of one editor's controls.
struct ControlNames {
    const char* panel;
    const char* grid;
    const char* rows;
    const char* rowsUpDown;
    const char* cols;
    const char* colsUpDown;
    const char* fontSize;
    const char* color;
    const char* font;
    const char* name;
    const char* assign;
    const char* remove;
    const char* variables;
    const char* save;
};

constexpr ControlNames kSinglePageNames{
    "templateEditor", "MSFlexGrid1", "txtNumLines",    "udNumLines",      "txtCharsPerLine",
    "udCharsPerLine", "udFontSize",  "cboColor",       "cboTemplateFont", "txtName",
    "cmdAssign",      "cmdRemove",   "lstVwVariables", "cmdTemplateSave"};
constexpr ControlNames kMultipageNames{
    "multipageEditor",        "MSFlexGrid2",           "txtMultiPgNumLines", "udMultiPgNumLines",
    "txtMultiPgCharsPerLine", "udMultiPgCharsPerLine", "udMultiPgFontSize",  "cboMultiPgColor",
    "cboMultiPgFont",         "txtMultiPgName",        "cmdMultiPgAssign",   "cmdMultiPgRemove",
    "lstVwMultiPgVariables",  "cmdMultiPgSave"};

// The width of the column of boxes and buttons right of the board.
constexpr int kSideWidth = 190;

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* result = named(new QPushButton(caption, parent), name);
    nameByCaption(result);
    return result;
}

template <std::size_t N>
void fill(QComboBox* box, const std::array<const char*, N>& entries) {
    for (const char* entry : entries)
        box->addItem(QString::fromLatin1(entry));
}

void setTextIfDifferent(QLineEdit* edit, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (edit->text() != value) edit->setText(value);
}

}  // namespace

TemplateEditor::TemplateEditor(EditorHost& host, Kind kind, QWidget* parent)
    : host_(host), model_(host) {
    if (kind == Kind::Multipage) pages_ = std::make_unique<MultipageModel>(host, model_);
    build(kind, parent);
    connectControls();
    refresh(kAllChanged);
    if (pages_) refreshPages();
}

TemplateEditor::~TemplateEditor() {
    model_.setListener(nullptr);
    if (pages_) pages_->setListener(nullptr);
    delete panel_;
}

void TemplateEditor::build(Kind kind, QWidget* parent) {
    const ControlNames& names = kind == Kind::Multipage ? kMultipageNames : kSinglePageNames;
    panel_ = named(new QWidget(parent), names.panel);
    auto* outer = new QVBoxLayout(panel_);

    // The board's size and view along the top; the board takes the free width and height;
    // colour, font, variables and Save keep their size along the right edge.
    auto* bar = new QHBoxLayout;
    rows_ = named(new QLineEdit(panel_), names.rows);
    rowsUpDown_ = named(new UpDown(panel_), names.rowsUpDown);
    cols_ = named(new QLineEdit(panel_), names.cols);
    colsUpDown_ = named(new UpDown(panel_), names.colsUpDown);
    fontSize_ = named(new UpDown(panel_), names.fontSize);
    for (QLineEdit* box : {rows_, cols_})
        box->setFixedWidth(52);
    bar->addWidget(labelFor(rows_, tr("Rows:"), panel_));
    bar->addWidget(rows_);
    bar->addWidget(rowsUpDown_);
    rowsUpDown_->setAccessibleName(rows_->accessibleName());
    bar->addSpacing(12);
    bar->addWidget(labelFor(cols_, tr("Columns:"), panel_));
    bar->addWidget(cols_);
    bar->addWidget(colsUpDown_);
    colsUpDown_->setAccessibleName(cols_->accessibleName());
    bar->addSpacing(12);
    bar->addWidget(labelFor(fontSize_, tr("View Font Size:"), panel_));
    bar->addWidget(fontSize_);
    bar->addStretch(1);
    outer->addLayout(bar);

    auto* middle = new QHBoxLayout;
    grid_ = named(new LightboardView(model_, panel_), names.grid);
    grid_->setAccessibleName(tr("Lightboard"));
    middle->addWidget(grid_, 1);
    auto* sideWidget = new QWidget(panel_);
    sideWidget->setFixedWidth(kSideWidth);
    auto* side = new QVBoxLayout(sideWidget);
    side->setContentsMargins(0, 0, 0, 0);
    color_ = named(new QComboBox(sideWidget), names.color);
    font_ = named(new QComboBox(sideWidget), names.font);
    fill(color_,
         std::array{wordOf(SignColor::Red), wordOf(SignColor::Green), wordOf(SignColor::Amber)});
    fill(font_, kSignFonts);
    auto* boxes = new QFormLayout;
    boxes->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    boxes->addRow(labelFor(color_, tr("Color:"), sideWidget), color_);
    boxes->addRow(labelFor(font_, tr("Font:"), sideWidget), font_);
    side->addLayout(boxes);
    name_ = named(new QLineEdit(sideWidget), names.name);
    side->addWidget(labelFor(name_, tr("Variable Name:"), sideWidget));
    side->addWidget(name_);
    auto* buttons = new QHBoxLayout;
    assign_ = button(tr("&Add"), names.assign, sideWidget);
    remove_ = button(tr("&Delete"), names.remove, sideWidget);
    buttons->addWidget(assign_);
    buttons->addWidget(remove_);
    side->addLayout(buttons);
    variables_ = named(new QTreeWidget(sideWidget), names.variables);
    variables_->setColumnCount(1);
    variables_->setHeaderLabels({tr("Name")});
    variables_->setRootIsDecorated(false);
    side->addWidget(labelFor(variables_, tr("Variables:"), sideWidget));
    side->addWidget(variables_, 1);
    save_ = button(tr("&Save"), names.save, sideWidget);
    save_->setEnabled(false);
    side->addWidget(save_);
    middle->addWidget(sideWidget);
    outer->addLayout(middle, 1);

    if (kind == Kind::Multipage) buildPageControls(panel_);
}

void TemplateEditor::buildPageControls(QWidget* panel) {
    auto* outer = static_cast<QVBoxLayout*>(panel->layout());
    auto* rotate = new QHBoxLayout;
    rotateText_ = named(new QLineEdit(panel), "txtMultiPgRotateTxt");
    rotate->addWidget(
        labelFor(rotateText_, tr("Optional Text to Rotate on Bottom of Page:"), panel));
    rotate->addWidget(rotateText_, 1);
    outer->addLayout(rotate);

    auto* hold = new QHBoxLayout;
    holdTime_ = named(new QComboBox(panel), "cboPgHoldTime");
    fill(holdTime_, kHoldSpeeds);
    hold->addWidget(labelFor(holdTime_, tr("Page Hold Speed:"), panel));
    hold->addWidget(holdTime_);
    hold->addStretch(1);
    outer->addLayout(hold);

    auto* pages = new QHBoxLayout;
    pageNumber_ = named(new QLabel(tr("Page 1 of 1"), panel), "lblPgNumber");
    pageNumber_->setMinimumWidth(90);
    previousPage_ = button(tr("&Previous Page"), "cmdPreviousTemplatePg", panel);
    nextPage_ = button(tr("&Next Page"), "cmdNextTemplatePg", panel);
    addPage_ = button(tr("&Add Page"), "cmdAddTemplatePg", panel);
    removePage_ = button(tr("&Remove Page"), "cmdRemovePg", panel);
    pages->addWidget(pageNumber_);
    pages->addStretch(1);
    for (QPushButton* b : {previousPage_, nextPage_, addPage_, removePage_})
        pages->addWidget(b);
    outer->addLayout(pages);
}

void TemplateEditor::connectControls() {
    model_.setListener([this](unsigned changes) { refresh(changes); });
    auto typedSize = [this](QLineEdit* box, bool rows) {
        connect(box, &QLineEdit::textEdited, this, [this, rows](const QString& text) {
            // An emptied box is left alone until editing ends, so a new number can be typed.
            if (text.isEmpty()) return;
            rows ? model_.typeRows(text.toStdString()) : model_.typeCols(text.toStdString());
        });
        connect(box, &QLineEdit::editingFinished, this, [this, box, rows] {
            if (!box->text().isEmpty()) return;
            rows ? model_.typeRows("") : model_.typeCols("");
        });
        box->installEventFilter(this);
    };
    typedSize(rows_, true);
    typedSize(cols_, false);
    connect(rowsUpDown_, &UpDown::up, this, [this] { model_.stepRows(1); });
    connect(rowsUpDown_, &UpDown::down, this, [this] { model_.stepRows(-1); });
    connect(colsUpDown_, &UpDown::up, this, [this] { model_.stepCols(1); });
    connect(colsUpDown_, &UpDown::down, this, [this] { model_.stepCols(-1); });
    connect(fontSize_, &UpDown::up, this, [this] { model_.stepViewFont(1); });
    connect(fontSize_, &UpDown::down, this, [this] { model_.stepViewFont(-1); });
    connect(color_, &QComboBox::activated, this, &TemplateEditor::chooseColor);
    connect(font_, &QComboBox::activated, this,
            [this](int index) { model_.chooseFont(font_->itemText(index).toStdString()); });
    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setNameText(text.toStdString()); });
    connect(assign_, &QPushButton::clicked, this, [this] { model_.addVariable(); });
    connect(remove_, &QPushButton::clicked, this, [this] { model_.deleteVariable(); });
    connect(variables_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        model_.selectVariable(variables_->indexOfTopLevelItem(item));
    });
    variables_->installEventFilter(this);
    grid_->installEventFilter(this);
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    if (!pages_) return;

    pages_->setListener([this](unsigned) { refreshPages(); });
    connect(holdTime_, &QComboBox::activated, this, [this](int index) {
        pages_->chooseHoldSpeed(holdTime_->itemText(index).toStdString());
    });
    connect(rotateText_, &QLineEdit::textEdited, this,
            [this](const QString& text) { pages_->typeRotateText(text.toStdString()); });
    rotateText_->installEventFilter(this);
    connect(previousPage_, &QPushButton::clicked, this, [this] { pages_->previousPage(); });
    connect(nextPage_, &QPushButton::clicked, this, [this] { pages_->nextPage(); });
    connect(addPage_, &QPushButton::clicked, this, [this] { pages_->addPage(); });
    connect(removePage_, &QPushButton::clicked, this, [this] { pages_->removePage(); });
}

bool TemplateEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == grid_) colorForRotateLine_ = false;
        if (watched == rotateText_) colorForRotateLine_ = true;
    }
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((watched == rows_ || watched == cols_) && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        const int delta = key == Qt::Key_Up ? 1 : -1;
        watched == rows_ ? model_.stepRows(delta) : model_.stepCols(delta);
        return true;
    }
    if (watched == variables_ && key == Qt::Key_Delete) {
        model_.deleteVariable();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TemplateEditor::chooseColor(int index) {
    if (index < 0 || index >= static_cast<int>(kSignColors.size())) return;
    const SignColor color = kSignColors[static_cast<std::size_t>(index)];
    if (pages_ && colorForRotateLine_) {
        pages_->chooseRotateColor(color);
        rotateText_->setFocus();
        return;
    }
    model_.chooseColor(color);
    grid_->setFocus();
}

void TemplateEditor::refresh(unsigned changes) {
    grid_->refresh(changes);
    if (changes & kSizeChanged) {
        setTextIfDifferent(rows_, model_.rowsText());
        setTextIfDifferent(cols_, model_.colsText());
    }
    if (changes & kBoxesChanged) {
        color_->setCurrentIndex(static_cast<int>(model_.colorBox()));
        font_->setCurrentIndex(font_->findText(QString::fromStdString(model_.fontBox())));
    }
    if (changes & kVariablesChanged) {
        const VariableList& list = model_.variables();
        bool same = variables_->topLevelItemCount() == list.size();
        for (int i = 0; same && i < list.size(); ++i) {
            const QTreeWidgetItem* item = variables_->topLevelItem(i);
            same = item->text(0).toStdString() == list.at(i).name &&
                   item->data(0, Qt::UserRole).toString().toStdString() == list.at(i).key;
        }
        if (!same) {
            variables_->clear();
            for (const VariableEntry& entry : list.entries()) {
                auto* item = new QTreeWidgetItem(variables_, {QString::fromStdString(entry.name)});
                item->setData(0, Qt::UserRole, QString::fromStdString(entry.key));
            }
        }
        if (list.selected() >= 0) {
            QTreeWidgetItem* item = variables_->topLevelItem(list.selected());
            variables_->setCurrentItem(item);
            variables_->scrollToItem(item);
        }
    }
    if (changes & kNameChanged) setTextIfDifferent(name_, model_.nameText());
    if (changes & kCorrectName) {
        name_->setFocus();
        name_->selectAll();
    }
}

void TemplateEditor::refreshPages() {
    holdTime_->setCurrentIndex(holdTime_->findText(QString::fromStdString(pages_->holdBox())));
    holdTime_->setEnabled(pages_->holdEnabled());
    setTextIfDifferent(rotateText_, pages_->rotateText());
    // The rotating line shows in its own colour, as on the sign.
    rotateText_->setStyleSheet(QStringLiteral("QLineEdit { background: #050505; color: %1; }")
                                   .arg(screenColor(rgbOf(pages_->rotateColor())).name()));
    pageNumber_->setText(QString::fromStdString(pages_->pageLabel()));
    previousPage_->setEnabled(pages_->previousEnabled());
    nextPage_->setEnabled(pages_->nextEnabled());
    removePage_->setEnabled(pages_->removeEnabled());
}

void TemplateEditor::reset() {
    if (pages_) {
        pages_->reset();
    } else {
        model_.reset();
    }
}

bool TemplateEditor::load() {
    const bool shown = pages_ ? pages_->open() : loadTemplate(model_, host_);
    refresh(kAllChanged);
    return shown;
}

void TemplateEditor::save() {
    if (pages_) {
        pages_->save();
    } else {
        saveTemplate(model_, host_);
    }
}

void TemplateEditor::setSaveEnabled(bool enabled) {
    // The Save button went with the panel when the frame deleted it first.
    if (panel_) save_->setEnabled(enabled);
}

}  // namespace ztk::legendo
