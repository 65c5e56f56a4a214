// SPDX-License-Identifier: MIT
#pragma once
// Element and attribute names of message files, and the values that carry meaning.
//
// Element names are upper case and attribute names lower case, exactly as stored; the
// readers compare them exactly (case-sensitive).

namespace ztk::msgfile {

namespace elem {
inline constexpr char kMarquee[] = "MARQUEE";
inline constexpr char kTemplate[] = "TEMPLATE";
inline constexpr char kString[] = "STRING";
inline constexpr char kAlarm[] = "ALARM";
inline constexpr char kPage[] = "PAGE";
inline constexpr char kLine[] = "LINE";
inline constexpr char kRotateLine[] = "ROTATELINE";
inline constexpr char kText[] = "TEXT";
inline constexpr char kVariable[] = "VARIABLE";
}  // namespace elem

namespace attr {
inline constexpr char kType[] = "type";
inline constexpr char kNumberOfPages[] = "numberofpages";
inline constexpr char kHoldTime[] = "holdtime";
inline constexpr char kFont[] = "font";
inline constexpr char kRows[] = "rows";
inline constexpr char kCols[] = "cols";
inline constexpr char kPageNumber[] = "pagenumber";
inline constexpr char kLeft[] = "left";
inline constexpr char kColor[] = "color";
inline constexpr char kMaxLen[] = "max_len";
inline constexpr char kSpeed[] = "speed";
inline constexpr char kSpecial[] = "special";
inline constexpr char kMode[] = "mode";
inline constexpr char kPosition[] = "position";
}  // namespace attr

// The `type` value of a multipage template (compared exactly, case-sensitive).
inline constexpr char kMultipage[] = "multipage";

// Hold time of a page that carries a rotate line: no hold, the text rotates instead.
inline constexpr char kNoHoldTime[] = "0";

// A box showing this text means "attribute not written".
inline constexpr char kNotSet[] = "--";

// Stored in item text in place of every blank, so that blanks survive XML whitespace rules.
inline constexpr char kBlank = '\x04';
inline constexpr char32_t kBlankChar = U'\u0004';

}  // namespace ztk::msgfile
