// SPDX-License-Identifier: MIT
#include "model/multipagemodel.h"

#include <cstdint>
#include <limits>

#include "model/boardreader.h"
#include "model/editortexts.h"
#include "model/itemfile.h"
#include "model/xmlnodes.h"
#include "msgfile/lookup.h"
#include "msgfile/names.h"
#include "msgfile/save.h"
#include "msgfile/text.h"
#include "msgfile/writers.h"

namespace ztk::legendo {
namespace {

constexpr int kMaxPages = std::numeric_limits<std::int16_t>::max();

pugi::xml_node pageNumbered(pugi::xml_node templ, int number) {
    for (pugi::xml_node page : templ.children(msgfile::elem::kPage)) {
        if (readInteger(page, msgfile::attr::kPageNumber).value == number) return page;
    }
    return {};
}

// The hold box's entry for a stored hold time; "0" (a rotating page) shows "Speed 1".
std::string holdSpeedOf(const std::string& holdTime) {
    if (holdTime.size() == 1 && holdTime[0] >= '1' && holdTime[0] <= '5') {
        return kHoldSpeeds[static_cast<std::size_t>(holdTime[0] - '1')];
    }
    return kHoldSpeeds.front();
}

}  // namespace

std::string pageLabelText(int currentPage, int pageCount) {
    if (pageCount >= 2) {
        return "Page " + std::to_string(currentPage) + " of " + std::to_string(pageCount);
    }
    return "Page 1 of 1";
}

MultipageModel::MultipageModel(EditorHost& host, TemplateEditorModel& board)
    : host_(host), board_(board) {}

std::string MultipageModel::pageLabel() const {
    const Selection& selection = host_.selection();
    return pageLabelText(selection.currentPage, selection.pageCount);
}

void MultipageModel::changed() {
    host_.setChanged(true);
    notify(listener_, kPagesChanged);
}

void MultipageModel::clearPage() {
    board_.reset();
    holdBox_ = kHoldSpeeds.front();
    holdEnabled_ = true;
    rotateText_.clear();
    rotateColor_ = SignColor::Red;
}

void MultipageModel::reset() {
    clearPage();
    previousEnabled_ = nextEnabled_ = removeEnabled_ = false;
    notify(listener_, kPagesChanged);
}

void MultipageModel::setNavigation() {
    const Selection& selection = host_.selection();
    previousEnabled_ = selection.currentPage > 1;
    nextEnabled_ = selection.currentPage < selection.pageCount;
}

bool MultipageModel::loadPage() {
    Selection& selection = host_.selection();
    const TemplateEditorModel::Loading loading(board_);
    // Every page starts from an empty board and no rotating text, so that nothing of the
    // page shown before is carried into this one.
    clearPage();
    notify(listener_, kPagesChanged);
    pugi::xml_document doc;
    const pugi::xml_node templ =
        openSelectedItem(host_, doc, templateTexts(texts::kCorruptMultipage));
    if (!templ) return false;

    const IntegerAttribute count = readInteger(templ, msgfile::attr::kNumberOfPages);
    selection.pageStored = count.present;
    selection.pageCount = static_cast<std::int16_t>(
        count.present ? std::clamp(count.value.value_or(1), 1, kMaxPages) : 1);

    if (const pugi::xml_node page = pageNumbered(templ, selection.currentPage)) {
        BoardReader reader(board_, host_.prompter());
        reader.readFont(page);
        if (!reader.readSize(page)) return false;
        const std::string hold = msgfile::attributeOr(page, msgfile::attr::kHoldTime, "");
        holdBox_ = holdSpeedOf(hold);
        holdEnabled_ = hold != msgfile::kNoHoldTime;
        const bool linesRead = reader.readLines(page, [&](pugi::xml_node child) {
            if (!isElement(child, msgfile::elem::kRotateLine)) return true;
            std::string text;
            bool first = true;
            for (pugi::xml_node part : child.children()) {
                if (isTextNode(part)) text += part.value();
                if (!isElement(part, msgfile::elem::kText)) continue;
                for (pugi::xml_node piece : part.children()) {
                    if (isTextNode(piece)) text += piece.value();
                }
                if (!first) continue;
                first = false;
                const auto color = msgfile::attributeValue(part, msgfile::attr::kColor);
                rotateColor_ =
                    color ? signColorNamed(*color).value_or(SignColor::Red) : SignColor::Red;
                board_.setColorBox(rotateColor_);
                const std::string font =
                    signFontNamed(msgfile::attributeOr(part, msgfile::attr::kFont, ""));
                if (!font.empty()) board_.setFontBox(font);
            }
            rotateText_ = msgfile::blanksToSpaces(text);
            if (!rotateText_.empty()) holdEnabled_ = false;
            return true;
        });
        if (!linesRead) return false;
    }
    setNavigation();
    // A page of a template with stored pages can be removed, also after moving away from
    // a page that was added and not saved.
    removeEnabled_ = selection.pageStored;
    board_.placeCursor({0, 0});
    board_.cursorMoved();
    host_.setChanged(false);
    notify(listener_, kPagesChanged);
    return true;
}

bool MultipageModel::open() {
    Selection& selection = host_.selection();
    selection.multipageMode = true;
    selection.currentPage = 1;
    selection.newPagePending = false;
    if (!loadPage()) return false;
    if (selection.pageCount > 1) {
        previousEnabled_ = false;
        nextEnabled_ = removeEnabled_ = true;
    } else if (selection.pageStored) {
        previousEnabled_ = nextEnabled_ = false;
        removeEnabled_ = true;
    } else {
        previousEnabled_ = nextEnabled_ = removeEnabled_ = false;
        host_.saveMultipageTemplate(content());
        selection.newPagePending = true;
    }
    notify(listener_, kPagesChanged);
    return true;
}

bool MultipageModel::save() {
    const bool saved = host_.saveMultipageTemplate(content());
    // Only a page that reached the file counts as stored: a new page whose save failed must
    // be inserted again by the next save, not written over the page that has its number.
    if (saved) {
        host_.setChanged(false);
        host_.selection().pageStored = true;
        removeEnabled_ = true;
    }
    notify(listener_, kPagesChanged);
    return saved;
}

bool MultipageModel::mayLeavePage() {
    if (!host_.selection().changed) return true;
    switch (
        host_.prompter().message(texts::kSavePrompt, "", Icon::Exclamation, Buttons::YesNoCancel)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            // A page whose save failed stays on screen, so that its edits are not lost.
            return save();
        case Answer::No:
        case Answer::Ok:
            break;
    }
    host_.setChanged(false);
    return true;
}

void MultipageModel::nextPage() {
    Selection& selection = host_.selection();
    if (selection.currentPage >= selection.pageCount || !mayLeavePage()) return;
    previousEnabled_ = true;
    ++selection.currentPage;
    loadPage();
    notify(listener_, kPagesChanged);
}

void MultipageModel::previousPage() {
    Selection& selection = host_.selection();
    if (selection.currentPage <= 1 || !mayLeavePage()) return;
    nextEnabled_ = true;
    --selection.currentPage;
    loadPage();
    notify(listener_, kPagesChanged);
}

void MultipageModel::addPage() {
    Selection& selection = host_.selection();
    if (selection.pageCount >= kMaxPages || !mayLeavePage()) return;
    ++selection.pageCount;
    ++selection.currentPage;
    selection.pageStored = selection.newPagePending = false;
    reset();
    const bool onLast = selection.currentPage >= selection.pageCount;
    previousEnabled_ = selection.currentPage > 1;
    nextEnabled_ = !onLast;
    removeEnabled_ = false;
    notify(listener_, kPagesChanged);
}

void MultipageModel::removePage() {
    Selection& selection = host_.selection();
    pugi::xml_document doc;
    const pugi::xml_node templ =
        openSelectedItem(host_, doc, templateTexts(texts::kCorruptMultipage));
    if (!templ) return;
    msgfile::removePage(templ, selection.currentPage, selection.pageCount);
    if (const msgfile::SaveResult saved = msgfile::saveDocument(doc, selection.currentFile);
        !saved) {
        host_.prompter().message(
            texts::saveFailureText(saved, selection.currentFile, "Page was not removed."),
            texts::kRemovePageFailed, Icon::Critical);
        return;
    }
    --selection.pageCount;
    if (selection.pageCount > 0) {
        selection.currentPage = selection.pageCount;
        loadPage();
    } else {
        reset();
        selection.pageCount = 1;
        selection.currentPage = 1;
        selection.pageStored = false;
        host_.setChanged(false);
    }
    notify(listener_, kPagesChanged);
}

void MultipageModel::chooseHoldSpeed(std::string speed) {
    holdBox_ = std::move(speed);
    changed();
}

void MultipageModel::typeRotateText(std::string text) {
    // A new rotating line takes the colour box's colour; editing it keeps its colour.
    if (rotateText_.empty() && !text.empty()) rotateColor_ = board_.colorBox();
    rotateText_ = std::move(text);
    if (!rotateText_.empty()) holdBox_ = kHoldSpeeds.front();
    holdEnabled_ = rotateText_.empty();
    changed();
}

void MultipageModel::chooseRotateColor(SignColor color) {
    board_.setColorBox(color);
    if (rotateColor_ == color) return;
    rotateColor_ = color;
    if (!rotateText_.empty()) changed();
}

msgfile::PageContent MultipageModel::content() const {
    msgfile::PageContent page;
    page.board = board_.content();
    page.holdTime = holdBox_;
    page.rotateText = rotateText_;
    page.rotateColor = wordOf(rotateColor_);
    return page;
}

}  // namespace ztk::legendo
