// SPDX-License-Identifier: MIT
#include "msgfile/names.h"
#include "msgfile/writers.h"
#include "writerinternals.h"

#include <string_view>
#include <vector>

namespace ztk::msgfile {
namespace {

std::vector<pugi::xml_node> pagesOf(pugi::xml_node templ) {
    std::vector<pugi::xml_node> pages;
    for (pugi::xml_node page : templ.children(elem::kPage))
        pages.push_back(page);
    return pages;
}

int pageNumberOf(pugi::xml_node page) {
    return page.attribute(attr::kPageNumber).as_int(-1);
}

// The stored value of the hold-time box: "Speed 1".."Speed 5" give "1".."5", a rotate
// line forces "0", anything else gives no attribute.
std::string holdTimeValue(const PageContent& page) {
    if (!page.rotateText.empty()) return kNoHoldTime;
    constexpr std::string_view prefix = "Speed ";
    const std::string_view box = page.holdTime;
    if (box.size() == prefix.size() + 1 && box.starts_with(prefix) && box.back() >= '1' &&
        box.back() <= '5') {
        return std::string(1, box.back());
    }
    return {};
}

void fillPage(pugi::xml_node element, const PageContent& page, int pageNumber) {
    using detail::setAttribute;
    const TemplateContent& content = page.board;
    if (const std::string hold = holdTimeValue(page); !hold.empty()) {
        setAttribute(element, attr::kHoldTime, hold);
    }
    if (content.font != kNotSet) setAttribute(element, attr::kFont, content.font);
    setAttribute(element, attr::kRows, std::to_string(content.board.rows()));
    setAttribute(element, attr::kCols, std::to_string(content.board.cols()));
    setAttribute(element, attr::kPageNumber, std::to_string(pageNumber));
    detail::appendBoardLines(element, content);
    if (!page.rotateText.empty()) {
        const pugi::xml_node rotate = detail::appendElement(element, elem::kRotateLine);
        const pugi::xml_node text = detail::appendElement(rotate, elem::kText);
        setAttribute(text, attr::kColor, page.rotateColor);
        setAttribute(text, attr::kFont, content.font);
        detail::appendText(text, page.rotateText);
    }
}

pugi::xml_node insertPage(pugi::xml_node templ, pugi::xml_node before) {
    const pugi::xml_node page =
        before ? templ.insert_child_before(elem::kPage, before) : templ.append_child(elem::kPage);
    if (!page) throw detail::WriterFailure(kErrOutOfMemory, "Could not add the page");
    return page;
}

// A stored page replaces the page that the editor loaded: the one carrying its number,
// else (numbers out of order) the one at its position, else it is added at the end.
void rewriteStoredPage(pugi::xml_node templ, const PageContent& page, int number) {
    const std::vector<pugi::xml_node> pages = pagesOf(templ);
    pugi::xml_node old;
    for (pugi::xml_node candidate : pages) {
        if (pageNumberOf(candidate) == number) {
            old = candidate;
            break;
        }
    }
    if (!old && number <= static_cast<int>(pages.size())) old = pages[number - 1];
    const pugi::xml_node fresh = insertPage(templ, old);
    fillPage(fresh, page, number);
    if (old) templ.remove_child(old);
}

// A new page goes before the page that has its position now, and the pages after it are
// renumbered by position; the last page is appended.
void insertNewPage(pugi::xml_node templ, const PageContent& page, const PagePlacement& placement) {
    const std::vector<pugi::xml_node> pages = pagesOf(templ);
    const int number = placement.currentPage;
    const bool append = number == placement.pageCount || number > static_cast<int>(pages.size());
    const pugi::xml_node fresh = insertPage(templ, append ? pugi::xml_node() : pages[number - 1]);
    fillPage(fresh, page, number);
    if (append) return;
    int position = number;
    for (pugi::xml_node later = fresh.next_sibling(elem::kPage); later;
         later = later.next_sibling(elem::kPage)) {
        detail::setAttribute(later, attr::kPageNumber, std::to_string(++position));
    }
}

}  // namespace

WriteOutcome WriteMultiPgTemplate(pugi::xml_node templ, const PageContent& page,
                                  const PagePlacement& placement) {
    return detail::guarded("WriteMultiPgTemplate", [&] {
        if (!templ) throw detail::WriterFailure(kErrNoElement, "No template element to write into");
        if (placement.currentPage < 1) {
            throw detail::WriterFailure(
                kErrInvalidArgument,
                "Page " + std::to_string(placement.currentPage) + " is not a valid page number");
        }
        if (placement.pageStored) {
            rewriteStoredPage(templ, page, placement.currentPage);
        } else {
            insertNewPage(templ, page, placement);
        }
        return WriteOutcome::ok();
    });
}

bool removePage(pugi::xml_node templ, int pageNumber, int pageCount) {
    pugi::xml_node removed;
    for (pugi::xml_node page : templ.children(elem::kPage)) {
        if (pageNumberOf(page) == pageNumber) {
            removed = page;
            break;
        }
    }
    if (removed) {
        int number = pageNumber;
        for (pugi::xml_node later = removed.next_sibling(elem::kPage); later;
             later = later.next_sibling(elem::kPage)) {
            pugi::xml_attribute attribute = later.attribute(attr::kPageNumber);
            if (!attribute) attribute = later.append_attribute(attr::kPageNumber);
            attribute.set_value(number++);
        }
        templ.remove_child(removed);
    }
    // The count follows the editor even when the page never reached the file.
    if (pageCount - 1 > 0) {
        pugi::xml_attribute count = templ.attribute(attr::kNumberOfPages);
        if (!count) count = templ.append_attribute(attr::kNumberOfPages);
        count.set_value(pageCount - 1);
    } else {
        templ.remove_attribute(attr::kNumberOfPages);
    }
    return static_cast<bool>(removed);
}

}  // namespace ztk::msgfile
