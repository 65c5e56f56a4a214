// SPDX-License-Identifier: MIT
#include "widgets/stringeditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "widgets/accessibility.h"
#include "widgets/lightboardview.h"
#include "widgets/updown.h"

namespace ztk::legendo {
namespace {

// A line break kept from a stored text is shown as a line separator inside the paragraph.
constexpr char16_t kShownLineBreak = u'\u2028';

Rgb rgbOf(const QColor& color) {
    return static_cast<Rgb>(color.red()) | static_cast<Rgb>(color.green()) << 8 |
           static_cast<Rgb>(color.blue()) << 16;
}

Rgb colorOfFormat(const QTextCharFormat& format) {
    const QBrush brush = format.foreground();
    return brush.style() == Qt::NoBrush ? kNoColor : rgbOf(brush.color());
}

template <std::size_t N>
void fill(QComboBox* box, const std::array<const char*, N>& entries) {
    for (const char* entry : entries)
        box->addItem(QString::fromLatin1(entry));
}

void showEntry(QComboBox* box, const std::string& entry) {
    box->setCurrentIndex(box->findText(QString::fromStdString(entry)));
}

QString withoutLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar breaker : {QChar(u'\r'), QChar(u'\n'), QChar(QChar::ParagraphSeparator),
                          QChar(QChar::LineSeparator)}) {
        text.replace(breaker, QLatin1Char(' '));
    }
    return text;
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
}

void RichTextBox::keepViewSize() {
    if (currentCharFormat().fontPointSize() == viewSize_) return;
    QTextCharFormat format;
    format.setFontPointSize(viewSize_);
    mergeCurrentCharFormat(format);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    keepViewSize();
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    keepViewSize();
    textCursor().insertText(withoutLineBreaks(source->text()), currentCharFormat());
}

ColoredText coloredTextOf(const QTextDocument& document) {
    ColoredText text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            // Blocks are only made by stored line breaks; the break takes the colour before it.
            text.append(U"\n", text.empty() ? kNoColor : text.chars().back().color);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString part = fragment.text();
            part.replace(QChar(kShownLineBreak), QLatin1Char('\n'));
            const QList<uint> ucs4 = part.toUcs4();
            text.append(std::u32string(ucs4.begin(), ucs4.end()),
                        colorOfFormat(fragment.charFormat()));
        }
    }
    return text;
}

StringEditor::StringEditor(EditorHost& host, QWidget* parent) : host_(host), model_(host) {
    build(parent);
    connectControls();
    refresh(kAllChanged);
}

StringEditor::~StringEditor() {
    model_.setListener(nullptr);
    delete panel_;
}

void StringEditor::build(QWidget* parent) {
    panel_ = new QWidget(parent);
    panel_->setObjectName(QStringLiteral("stringEditor"));
    auto* outer = new QVBoxLayout(panel_);

    text_ = new RichTextBox(panel_);
    text_->setObjectName(QStringLiteral("rtbDisplayText"));
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(StringEditorModel::kResetViewSize);
    text_->document()->setDefaultFont(font);
    // A dark box like the sign; text without a colour of its own is shown (and saved) red.
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Base, QColor(5, 5, 5));
    palette.setColor(QPalette::Text, screenColor(msgfile::kRgbRed));
    text_->setPalette(palette);
    // The view size beside the box's label, the box taking the free width and height, the
    // attribute boxes along the bottom.
    viewSize_ = new UpDown(panel_);
    viewSize_->setObjectName(QStringLiteral("udStringFontSize"));
    auto* top = new QHBoxLayout;
    top->addWidget(labelFor(text_, tr("Text to Display:"), panel_));
    top->addStretch(1);
    top->addWidget(labelFor(viewSize_, tr("View Font Size:"), panel_));
    top->addWidget(viewSize_);
    outer->addLayout(top);
    outer->addWidget(text_, 1);

    auto* boxes = new QGridLayout;
    auto add = [&](QComboBox*& box, const char* name, const QString& label, int row, int col) {
        box = new QComboBox(panel_);
        box->setObjectName(QString::fromLatin1(name));
        boxes->addWidget(labelFor(box, label, panel_), row, col * 2);
        boxes->addWidget(box, row, col * 2 + 1);
    };
    add(color_, "cboColorString", tr("Color:"), 0, 0);
    add(mode_, "cboMode", tr("Mode:"), 0, 1);
    add(special_, "cboSpecial", tr("Special:"), 0, 2);
    add(speed_, "cboSpeed", tr("Speed:"), 1, 0);
    add(position_, "cboPosition", tr("Position:"), 1, 1);
    add(font_, "cboFont", tr("Font:"), 1, 2);
    fill(color_,
         std::array{wordOf(SignColor::Red), wordOf(SignColor::Green), wordOf(SignColor::Amber)});
    fill(mode_, kModes);
    fill(special_, kSpecials);
    fill(speed_, kSpeeds);
    fill(position_, kPositions);
    fill(font_, kStringFonts);
    boxes->setColumnStretch(6, 1);
    outer->addLayout(boxes);

    auto* buttons = new QHBoxLayout;
    save_ = new QPushButton(tr("&Save"), panel_);
    save_->setObjectName(QStringLiteral("cmdSaveString"));
    nameByCaption(save_);
    save_->setEnabled(false);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    outer->addLayout(buttons);
}

void StringEditor::connectControls() {
    model_.setListener([this](unsigned changes) { refresh(changes); });
    connect(text_->document(), &QTextDocument::contentsChanged, this, [this] {
        if (!showing_) model_.contentChanged(coloredTextOf(*text_->document()));
    });
    connect(text_, &QTextEdit::cursorPositionChanged, this, &StringEditor::selectionMoved);
    connect(text_, &QTextEdit::selectionChanged, this, &StringEditor::selectionMoved);
    connect(color_, &QComboBox::activated, this, &StringEditor::chooseColor);
    auto choice = [this](QComboBox* box, void (StringEditorModel::*choose)(std::string)) {
        connect(box, &QComboBox::activated, this, [this, box, choose](int index) {
            (model_.*choose)(box->itemText(index).toStdString());
        });
    };
    choice(mode_, &StringEditorModel::chooseMode);
    choice(special_, &StringEditorModel::chooseSpecial);
    choice(speed_, &StringEditorModel::chooseSpeed);
    choice(position_, &StringEditorModel::choosePosition);
    choice(font_, &StringEditorModel::chooseFont);
    connect(viewSize_, &UpDown::up, this, [this] { model_.stepViewSize(1); });
    connect(viewSize_, &UpDown::down, this, [this] { model_.stepViewSize(-1); });
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
}

void StringEditor::showText() {
    showing_ = true;
    QTextDocument* document = text_->document();
    document->clear();
    QTextCursor cursor(document);
    for (const msgfile::ColoredRun& run : model_.text().runs()) {
        QTextCharFormat format;
        if (run.color != kNoColor) format.setForeground(screenColor(run.color));
        format.setFontPointSize(model_.viewSize());
        QString part = QString::fromStdString(run.text);
        part.replace(QLatin1Char('\n'), QChar(kShownLineBreak));
        cursor.insertText(part, format);
    }
    text_->setTextCursor(cursor);
    showing_ = false;
    selectionMoved();
}

void StringEditor::applyViewSize() {
    showing_ = true;
    text_->setViewSize(model_.viewSize());
    QTextCursor whole(text_->document());
    whole.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontPointSize(model_.viewSize());
    whole.mergeCharFormat(format);
    text_->mergeCurrentCharFormat(format);
    showing_ = false;
}

void StringEditor::selectionMoved() {
    if (showing_) return;
    const QTextCursor cursor = text_->textCursor();
    std::optional<Rgb> color;
    if (cursor.hasSelection()) {
        color = model_.text().colorOf(
            static_cast<std::size_t>(cursor.selectionStart()),
            static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart()));
    } else {
        color = colorOfFormat(text_->currentCharFormat());
    }
    if (const std::optional<Rgb> give = model_.selectionMoved(color)) {
        QTextCharFormat format;
        format.setForeground(screenColor(*give));
        text_->mergeCurrentCharFormat(format);
    }
}

void StringEditor::chooseColor(int index) {
    if (index < 0 || index >= static_cast<int>(kSignColors.size())) return;
    const SignColor color = kSignColors[static_cast<std::size_t>(index)];
    model_.chooseColor(color);
    QTextCharFormat format;
    format.setForeground(screenColor(legendo::rgbOf(color)));
    text_->mergeCurrentCharFormat(format);
    if (text_->isEnabled()) text_->setFocus();
}

void StringEditor::refresh(unsigned changes) {
    if (changes == kAllChanged) {
        applyViewSize();
        showText();
    } else if (changes & kViewChanged) {
        applyViewSize();
    }
    if (changes & kBoxesChanged) {
        const auto color = model_.colorBox();
        color_->setCurrentIndex(color ? static_cast<int>(*color) : -1);
        const msgfile::DisplayBoxes& boxes = model_.boxes();
        showEntry(mode_, boxes.mode);
        showEntry(special_, boxes.special);
        showEntry(speed_, boxes.speed);
        showEntry(position_, boxes.position);
        showEntry(font_, boxes.font);
        mode_->setEnabled(model_.modeEnabled());
    }
}

void StringEditor::reset() {
    model_.reset();
}

bool StringEditor::load() {
    const bool alarm = host_.selection().currentFolder == "Alarms";
    return model_.load(alarm ? StringKind::Alarm : StringKind::String);
}

void StringEditor::save() {
    model_.save();
}

void StringEditor::setSaveEnabled(bool enabled) {
    // The Save button went with the panel when the frame deleted it first.
    if (panel_) save_->setEnabled(enabled);
}

}  // namespace ztk::legendo
