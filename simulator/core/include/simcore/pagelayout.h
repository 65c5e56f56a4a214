// SPDX-License-Identifier: MIT
#pragma once
// PageLayout reads the compiled text entry by entry and lays it out into pages: it picks
// each page's display mode and colour, its area on the sign, and places glyphs, time/date
// texts and pictures into lines, wrapping at word breaks. Each page comes back as an Effect
// ready to be stepped. It keeps its place in the text between pages; the end of the text
// starts the next pass from the defaults, so a message repeats for ever.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "simcore/colorstate.h"
#include "simcore/effect.h"
#include "simcore/ledfont.h"
#include "simcore/pictureitem.h"
#include "simcore/signcontent.h"
#include "simcore/signtraits.h"
#include "simcore/timedate.h"

namespace ztk::sim {

using Entries = std::vector<std::uint32_t>;
// The wall clock time/date items are made from.
using ClockSource = std::function<ClockValue()>;

// The local time now.
ClockValue localClock();

// The layout's place in the text and the settings in force there. Copied whole to mark a
// point the layout can restart from (a word break, the start of a page).
struct LayoutState {
    // The entries being read (the text, or a private copy of a string file); null between
    // passes.
    std::shared_ptr<const Entries> stream;
    std::size_t index = 0;
    // Where the end of a string file returns to; null while the text itself is read.
    std::shared_ptr<const Entries> returnStream;
    std::size_t returnIndex = 0;
    std::uint16_t mode = 0x80;  // position << 8 | mode code, 0x80 = automode
    int speed = 4;
    int font = 2;
    std::uint16_t color = 0x800B;  // 0x8000 set: a colour is picked for every page
    std::uint16_t attrs = 0;
    ColorState colors{3};

    bool inString() const { return returnStream != nullptr; }
};

// One laid-out page.
struct LaidOutPage {
    std::unique_ptr<Effect> effect;
    // The mode code the page shows (after automode; 2 when it overflowed into rotate).
    int modeCode = 1;
    // True when the whole display must be cleared before the page is shown (the first page
    // of a top or bottom area after a full-display page).
    bool clearDisplay = false;
};

class PageLayout {
  public:
    // Lays out `content` for a sign described by `traits` with `fonts` (which must outlive
    // the layout and every page it makes).
    PageLayout(SignContent& content, const SignTraits& traits, const LedFonts& fonts);

    void setClock(ClockSource clock) { clock_ = std::move(clock); }
    void setHour24(bool on) { hour24_ = on; }
    void seed(std::uint32_t seed) { random_.seed(seed); }

    // Forgets the place in the text (the next page starts a new pass) and gives the top
    // area the whole display again.
    void restart();

    // Lays out the next page.
    LaidOutPage nextPage();

    // Height of the top area: the whole display until a top page has been shown.
    int topHeight() const { return topHeight_; }
    const LayoutState& state() const { return state_; }
    const SignTraits& traits() const { return traits_; }

  private:
    // The rest of a picture that was cut at the edge of a page, waiting at its entry.
    struct PendingPicture {
        std::shared_ptr<const Entries> stream;
        std::size_t index = 0;
        PictureItem item;
    };
    struct PageWork;
    enum class PageEnd { Done, BecomeRotate };

    void startPass();
    void chooseMode(int& code, int& position);
    std::uint16_t pickAutocolour();
    void selectColor(std::uint16_t id);
    LedRect chooseArea(int position, bool& clearDisplay, bool& centre);
    std::unique_ptr<Effect> layOut(int& code, const LedRect& area, bool centre, int position);
    PageEnd run(PageWork& page);

    std::uint32_t peek(std::size_t ahead = 0) const;
    void advance() { ++state_.index; }
    int fontHeight(int font, std::uint16_t attrs) const;
    int nextLineHeightNeeded() const;

    // Entry handlers; each returns true when the page ends.
    bool onChar(PageWork& page, int character, PageEnd& end);
    bool onFontOrAttr(PageWork& page, int font, std::uint16_t attrs);
    bool onNewLine(PageWork& page);
    bool onStringFile(std::uint8_t label);
    bool onTimeDate(PageWork& page, int code, PageEnd& end);
    bool onPicture(PageWork& page, std::uint16_t id, std::size_t resumeIndex);
    bool onHoldTime(PageWork& page, int time);
    // Puts `item` on the line, or ends the line when it does not fit. `end` is null where an
    // overflow must not turn the page into rotate.
    bool placeItem(PageWork& page, PageItem item, bool blank, const ColorState& colorsBefore,
                   PageEnd* end);
    void commitLine(PageWork& page);
    bool endLine(PageWork& page);
    void finishPage(PageWork& page);
    PageBuffer newLine(const PageWork& page) const;
    bool pageHasContent(const PageWork& page) const;
    int freeHeight(const PageWork& page) const;

    SignContent& content_;
    SignTraits traits_;
    const LedFonts& fonts_;
    ClockSource clock_;
    bool hour24_ = false;
    std::mt19937 random_;

    LayoutState state_;
    std::optional<PendingPicture> pending_;
    int topHeight_;
};

}  // namespace ztk::sim
