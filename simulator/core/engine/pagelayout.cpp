// SPDX-License-Identifier: MIT
#include "simcore/pagelayout.h"

#include <algorithm>
#include <ctime>

#include "simcore/effectfactory.h"
#include "simcore/messagestream.h"
#include "simcore/pagetiming.h"

namespace ztk::sim {

namespace {

// Entries one page may handle at most. Every path through the layout moves on, so this is
// only a backstop that keeps a page's layout bounded whatever the text holds.
constexpr long kMaxEntriesPerPage = 1L << 20;

// Lowest height a top area shrinks to.
constexpr int kMinTopRows = 8;

bool isWordBreak(int character) {
    return character == ' ' || character == '~';
}

}  // namespace

ClockValue localClock() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_wday, tm.tm_hour, tm.tm_min};
}

// What one page's layout is working on.
struct PageLayout::PageWork {
    Effect& fx;
    LedRect area;
    bool rotate = false;
    int position = kPosFill;
    PageBuffer line;
    int used = 0;  // rows taken by the finished lines
    int lineCount = 0;
    // The layout state just after the last word break of the current line.
    std::optional<LayoutState> restart;
};

PageLayout::PageLayout(SignContent& content, const SignTraits& traits, const LedFonts& fonts)
    : content_(content),
      traits_(traits),
      fonts_(fonts),
      clock_(&localClock),
      topHeight_(traits.rows) {}

void PageLayout::restart() {
    state_.stream.reset();
    state_.returnStream.reset();
    pending_.reset();
    topHeight_ = traits_.rows;
}

void PageLayout::startPass() {
    state_ = LayoutState{};
    std::shared_ptr<const MessageStream> text = content_.currentText();
    static const Entries kBlank = {makeEntry(Op::Mode, 0), makeEntry(Op::EndText, 0)};
    state_.stream = text
                        ? std::shared_ptr<const Entries>(text, &text->entries())
                        : std::shared_ptr<const Entries>(std::shared_ptr<const Entries>{}, &kBlank);
    state_.font = traits_.rows == 8 ? 5 : 2;
    state_.color = traits_.colors == 1 ? kColorRed : (kColorAuto | kColorRed);
    state_.attrs = traits_.defaultFixedWidth ? kAttrFixedWidth : 0;
    state_.colors = ColorState(traits_.colors);
    pending_.reset();
}

std::uint32_t PageLayout::peek(std::size_t ahead) const {
    const std::size_t i = state_.index + ahead;
    if (!state_.stream || i >= state_.stream->size())
        return makeEntry(state_.inString() ? Op::EndString : Op::EndText, 0);
    return (*state_.stream)[i];
}

int PageLayout::fontHeight(int font, std::uint16_t attrs) const {
    return fonts_[font].currentHeight(attrs).height;
}

int PageLayout::nextLineHeightNeeded() const {
    return traits_.fixedLineHeight ? traits_.fixedTextRows()
                                   : fontHeight(state_.font, state_.attrs);
}

std::uint16_t PageLayout::pickAutocolour() {
    const int colors = traits_.colors;
    const int r = static_cast<int>(random_() % static_cast<unsigned>(colors + 3));
    // The sign's plain colours, then colour mix (0), rainbow 1 and rainbow 2.
    return static_cast<std::uint16_t>(r >= colors ? r - colors : kColorRed + r);
}

void PageLayout::selectColor(std::uint16_t id) {
    if (id & kColorAuto) {
        id = pickAutocolour();
        state_.color = kColorAuto | id;
    } else {
        state_.color = id;
    }
    state_.colors.select(id);
}

void PageLayout::chooseMode(int& code, int& position) {
    const std::uint32_t e = peek();
    if (opcodeOf(e) == Op::Mode) {
        state_.mode = operandOf(e);
        advance();
        state_.speed = 4;
    }
    position = state_.mode >> 8;
    code = state_.mode & 0x7F;
    if (state_.mode & kModeAutomodeFlag) code = content_.nextAutomode();
}

LedRect PageLayout::chooseArea(int position, bool& clearDisplay, bool& centre) {
    const int rows = traits_.rows;
    const LedRect whole{0, 0, traits_.columns, rows};
    clearDisplay = false;
    if (!traits_.splitsAreas() || (position != kPosTop && position != kPosBottom)) {
        topHeight_ = rows;
        centre = !traits_.fixedLineHeight;
        return whole;
    }
    centre = false;
    LedRect area = whole;
    if (position == kPosTop) {
        if (topHeight_ >= rows) {
            clearDisplay = true;
            area.height = rows - kMinTopRows;
        } else {
            area.height = topHeight_;
        }
    } else {
        if (topHeight_ >= rows) {
            clearDisplay = true;
            topHeight_ = kMinTopRows;
        }
        area.y = topHeight_;
        area.height = rows - topHeight_;
    }
    const FontChoice c = reduceToFit(fonts_, state_.font, state_.attrs, area.height);
    state_.font = c.fontId;
    state_.attrs = c.attrs;
    return area;
}

LaidOutPage PageLayout::nextPage() {
    if (!state_.stream) startPass();
    LaidOutPage page;
    int position = kPosFill;
    chooseMode(page.modeCode, position);
    if (state_.color & kColorAuto) selectColor(kColorAuto);
    bool centre = true;
    LedRect area = chooseArea(position, page.clearDisplay, centre);
    page.effect = layOut(page.modeCode, area, centre, position);
    Effect& fx = *page.effect;

    if (traits_.splitsAreas() && position == kPosTop) {
        // The top area keeps the height of what it shows, so a bottom page can use the rest.
        topHeight_ = std::clamp(fx.contentHeight(), kMinTopRows, area.height);
        area.height = topHeight_;
        fx.setArea(area);
    }
    if (fx.duration() == 0) fx.setDuration(pageDuration(state_.speed, fx.weight()));
    fx.pageComplete();

    // A page that ends right before the end of the text starts the next pass at once
    // instead of leaving an empty page behind.
    if (state_.stream && !state_.inString() && opcodeOf(peek()) == Op::EndText)
        state_.stream.reset();
    return page;
}

std::unique_ptr<Effect> PageLayout::layOut(int& code, const LedRect& area, bool centre,
                                           int position) {
    const LayoutState start = state_;
    const std::optional<PendingPicture> pendingAtStart = pending_;
    for (;;) {
        std::unique_ptr<Effect> fx = makeEffect(code);
        fx->setArea(area);
        fx->setCentreVertically(centre);
        fx->setSign(traits_);
        PageWork page{*fx, area, code == kModeRotate, position, {}, 0, 0, {}};
        page.line = newLine(page);
        if (run(page) == PageEnd::BecomeRotate && code != kModeRotate) {
            // The page is shown rotating instead: lay it out again with unbounded lines.
            state_ = start;
            pending_ = pendingAtStart;
            code = kModeRotate;
            continue;
        }
        return fx;
    }
}

PageLayout::PageEnd PageLayout::run(PageWork& page) {
    for (long handled = 0; handled < kMaxEntriesPerPage; ++handled) {
        const std::uint32_t e = peek();
        const std::uint16_t v = operandOf(e);
        PageEnd end = PageEnd::Done;
        switch (opcodeOf(e)) {
            case Op::Char:
                if (onChar(page, v, end)) return end;
                break;
            case Op::Mode:
                // A new mode starts the next page.
                finishPage(page);
                return PageEnd::Done;
            case Op::Font:
                if (onFontOrAttr(page, v, state_.attrs)) return PageEnd::Done;
                break;
            case Op::Color:
                advance();
                selectColor(v);
                break;
            case Op::AttrOn:
            case Op::AttrOff: {
                const std::uint16_t attrs = opcodeOf(e) == Op::AttrOn
                                                ? static_cast<std::uint16_t>(state_.attrs | v)
                                                : static_cast<std::uint16_t>(state_.attrs & ~v);
                if (v & (kAttrDoubleHigh | kAttrDescenders)) {
                    if (onFontOrAttr(page, state_.font, attrs)) return PageEnd::Done;
                } else {
                    advance();
                    state_.attrs = attrs;
                }
                break;
            }
            case Op::NewLine:
                advance();
                if (endLine(page)) return PageEnd::Done;
                break;
            case Op::NewPage:
                advance();
                if (!page.rotate) {
                    finishPage(page);
                    return PageEnd::Done;
                }
                break;
            case Op::StringFile:
                onStringFile(static_cast<std::uint8_t>(v));
                break;
            case Op::EndString:
                if (state_.inString()) {
                    state_.stream = std::move(state_.returnStream);
                    state_.index = state_.returnIndex;
                    state_.returnStream.reset();
                } else {
                    advance();
                }
                break;
            case Op::Speed:
                advance();
                state_.speed = v;
                break;
            case Op::TimeDate:
                if (onTimeDate(page, v, end)) return end;
                break;
            case Op::Picture:
                if (onPicture(page, v, state_.index)) return PageEnd::Done;
                break;
            case Op::HoldTime:
                if (onHoldTime(page, v)) return PageEnd::Done;
                break;
            case Op::EndText:
                // The next page starts the next pass from the defaults.
                finishPage(page);
                state_.stream.reset();
                state_.returnStream.reset();
                return PageEnd::Done;
            default:
                advance();
                break;
        }
    }
    finishPage(page);
    return PageEnd::Done;
}

PageBuffer PageLayout::newLine(const PageWork& page) const {
    PageBuffer line(page.area.width, page.rotate);
    line.setCentred(!(state_.attrs & kAttrFixedWidth));
    return line;
}

bool PageLayout::pageHasContent(const PageWork& page) const {
    return page.lineCount > 0 || !page.line.empty();
}

int PageLayout::freeHeight(const PageWork& page) const {
    return page.area.height - page.used;
}

void PageLayout::commitLine(PageWork& page) {
    PageBuffer& line = page.line;
    int text = traits_.fixedLineHeight ? traits_.fixedTextRows()
               : line.empty()          ? fontHeight(state_.font, state_.attrs)
                                       : line.tallest();
    line.setLineHeight(text + 1);
    page.used += line.lineHeight();
    ++page.lineCount;
    page.fx.addLine(std::move(line));
    page.line = newLine(page);
    page.restart.reset();
}

bool PageLayout::endLine(PageWork& page) {
    commitLine(page);
    if (page.position == kPosMiddle && !traits_.fixedLineHeight) return true;
    return freeHeight(page) < nextLineHeightNeeded();
}

void PageLayout::finishPage(PageWork& page) {
    // A trailing empty line adds nothing but would upset the vertical centring; an empty
    // page keeps its one empty line.
    if (!page.line.empty() || page.lineCount == 0) commitLine(page);
}

bool PageLayout::placeItem(PageWork& page, PageItem item, bool blank,
                           const ColorState& colorsBefore, PageEnd* end) {
    PageBuffer& line = page.line;
    const int width = itemWidth(item);
    if (line.fits(width)) {
        // Consecutive blanks make one word break: the line is cut before the first of them
        // and the next line starts after the last.
        if (blank && !line.lastWasBlank()) line.markBreak();
        line.add(std::move(item));
        line.setCentred(!(state_.attrs & kAttrFixedWidth));
        advance();
        if (blank) page.restart = state_;
        return false;
    }
    line.setFull(true);
    if (blank) {
        // The line is full exactly at the end of a word: it ends here, without the blank.
        advance();
        return endLine(page);
    }
    if (line.hasBreak() && page.restart) {
        line.cutAtBreak();
        state_ = *page.restart;
        return endLine(page);
    }
    if (end && traits_.overflowRotates && !page.rotate) {
        *end = PageEnd::BecomeRotate;
        return true;
    }
    if (line.empty()) {
        // Wider than a whole line: nothing smaller is left, so it is shown cut at the edge
        // (otherwise the layout would never move past it).
        line.add(std::move(item));
        advance();
        return endLine(page);
    }
    // A word wider than the line is cut where it stops fitting; the item starts the next line.
    state_.colors = colorsBefore;
    return endLine(page);
}

bool PageLayout::onChar(PageWork& page, int character, PageEnd& end) {
    const ColorState before = state_.colors;
    const GlyphColors colors = state_.colors.next(state_.attrs);
    TextItem item(character, fonts_[state_.font], state_.attrs, colors);
    return placeItem(page, std::move(item), isWordBreak(character), before, &end);
}

bool PageLayout::onFontOrAttr(PageWork& page, int font, std::uint16_t attrs) {
    const int free = freeHeight(page);
    if (fontHeight(font, attrs) > free) {
        if (pageHasContent(page)) {
            // Too tall for the room left: the text continues on the next page.
            finishPage(page);
            return true;
        }
        // At the top of a page there is nothing to move on to: make the text smaller until
        // it fits (or nothing smaller is left, and it is shown cut).
        const FontChoice c = reduceToFit(fonts_, font, attrs, free);
        font = c.fontId;
        attrs = c.attrs;
    }
    advance();
    state_.font = font;
    state_.attrs = attrs;
    return false;
}

bool PageLayout::onStringFile(std::uint8_t label) {
    advance();
    // A string file is shown as it is: a call inside one is skipped, so a file that calls
    // itself cannot send the layout round for ever.
    if (state_.inString()) return false;
    auto copy = std::make_shared<Entries>();
    if (!content_.copyStringFile(label, *copy)) return false;
    state_.returnStream = std::move(state_.stream);
    state_.returnIndex = state_.index;
    state_.stream = std::move(copy);
    state_.index = 0;
    return false;
}

bool PageLayout::onTimeDate(PageWork& page, int code, PageEnd& end) {
    const ColorState before = state_.colors;
    TimeDateItem item(code, clock_ ? clock_() : localClock(), hour24_, fonts_, state_.font,
                      state_.attrs, state_.colors);
    if (item.glyphs().empty()) {
        advance();
        return false;
    }
    if (page.rotate) {
        for (const TextItem& glyph : item.glyphs())
            page.line.add(glyph);
        advance();
        return false;
    }
    if (traits_.overflowRotates) {
        if (item.width() > traits_.columns && !pageHasContent(page)) {
            end = PageEnd::BecomeRotate;
            return true;
        }
    } else {
        item.fitWidth(traits_.columns);
    }
    return placeItem(page, std::move(item), false, before, &end);
}

bool PageLayout::onPicture(PageWork& page, std::uint16_t id, std::size_t resumeIndex) {
    std::shared_ptr<const DotsPicture> picture = content_.picture(id);
    if (!picture) {
        advance();
        return false;
    }
    const bool continues = pending_ && pending_->stream == state_.stream &&
                           pending_->index == resumeIndex && pending_->item.picture() == picture;
    PictureItem item = continues ? pending_->item : PictureItem(picture);
    pending_.reset();

    const int free = freeHeight(page);
    const int counted = traits_.fixedLineHeight ? traits_.fixedTextRows() : item.height();
    if (counted > free) {
        if (pageHasContent(page) && !page.rotate) {
            finishPage(page);  // the picture starts the next page
            return true;
        }
        item.setHeight(std::min(item.height(), std::max(free, 0)));
    }

    PageBuffer& line = page.line;
    if ((line.empty() || page.rotate) && !line.fits(item.width())) {
        // Cut to the room on the line; the rest follows on the next page from this entry.
        item.setShownWidth(line.freeWidth());
        PictureItem rest = item;
        if (rest.advance()) pending_ = PendingPicture{state_.stream, resumeIndex, rest};
        line.add(std::move(item));
        line.setFull(true);
        if (pending_)
            state_.index = resumeIndex;
        else
            advance();
        finishPage(page);
        return true;
    }
    // Otherwise it goes on the line like a character, moving to the next line when it does
    // not fit.
    return placeItem(page, std::move(item), false, state_.colors, nullptr);
}

bool PageLayout::onHoldTime(PageWork& page, int time) {
    if (pageHasContent(page)) {
        finishPage(page);  // the held picture gets a page of its own
        return true;
    }
    const std::size_t holdIndex = state_.index;
    const std::uint32_t next = peek(1);
    if (opcodeOf(next) != Op::Picture || !content_.picture(operandOf(next))) {
        advance();  // nothing to hold: the hold time is dropped
        return false;
    }
    advance();
    page.fx.setDuration(time * 10);
    if (!onPicture(page, operandOf(next), holdIndex)) finishPage(page);
    return true;
}

}  // namespace ztk::sim
