// SPDX-License-Identifier: MIT
#pragma once
// The string and alarm editor's state without widgets: the coloured text as last seen, the
// five display attribute boxes, the colour box and the view size.

#include <array>
#include <optional>
#include <string>

#include <pugixml.hpp>

#include "legendo/editorhost.h"
#include "model/coloredtext.h"
#include "model/modelevents.h"
#include "msgfile/writerdata.h"

namespace ztk::legendo {

// The entries of the attribute boxes, in their order; the first is selected at reset.
inline constexpr std::array<const char*, 18> kModes = {
    "AutoMode", "Rotate",    "Hold",    "Flash",    "RollUp",   "RollDown",
    "RollLeft", "RollRight", "WipeUp",  "WipeDown", "WipeLeft", "WipeRight",
    "Scroll",   "RollIn",    "RollOut", "WipeIn",   "WipeOut",  "CompressedRotate"};
inline constexpr std::array<const char*, 9> kSpecials = {
    "--", "Twinkle", "Sparkle", "Snow", "Interlock", "Switch", "Slide", "Spray", "Starburst"};
inline constexpr std::array<const char*, 6> kSpeeds = {"--", "1", "2", "3", "4", "5"};
inline constexpr std::array<const char*, 5> kPositions = {"--", "Top", "Bottom", "Middle", "Fill"};
inline constexpr std::array<const char*, 7> kStringFonts = {"--",  "S5",    "S7",   "F7",
                                                            "S10", "FFULL", "SFULL"};

enum class StringKind { String, Alarm };

class StringEditorModel {
  public:
    static constexpr int kMinViewSize = 1;
    static constexpr int kMaxViewSize = 40;
    static constexpr int kResetViewSize = 15;

    explicit StringEditorModel(EditorHost& host);

    void setListener(ModelListener listener) { listener_ = std::move(listener); }

    // The content as last seen by the change check (LastText); what is saved.
    const ColoredText& text() const { return lastText_; }
    const msgfile::DisplayBoxes& boxes() const { return boxes_; }
    bool modeEnabled() const { return boxes_.special == msgfile::kNotSet; }
    // The colour box's entry; nothing while a selection of mixed colours is shown.
    std::optional<SignColor> colorBox() const { return colorBox_; }
    int viewSize() const { return viewSize_; }

    void reset();
    // loadstring: fills the editor from the STRING or ALARM Selection::currentItem.
    bool load(StringKind kind);
    // cmdSaveString: SaveString in the Strings folder, SaveAlarm in the Alarms folder.
    bool save();

    // The change check: content that differs from the last seen (colours count) marks the
    // editor as changed and becomes the last seen.
    void contentChanged(const ColoredText& now);
    // The selection moved; `color` is the selection's one colour, nothing when mixed.
    // Returns the colour the selection is to take when it has none (red), else nothing.
    std::optional<Rgb> selectionMoved(std::optional<Rgb> color);
    // A colour chosen in the colour box; the widget colours the selection with it.
    void chooseColor(SignColor color);

    void chooseMode(std::string mode);
    void chooseSpecial(std::string special);
    void chooseSpeed(std::string speed);
    void choosePosition(std::string position);
    void chooseFont(std::string font);
    void stepViewSize(int delta);

  private:
    void choose(std::string& box, std::string value);

    EditorHost& host_;
    ModelListener listener_;
    ColoredText lastText_;
    msgfile::DisplayBoxes boxes_;
    std::optional<SignColor> colorBox_ = SignColor::Red;
    int viewSize_ = kResetViewSize;
};

// The text an editor shows for one item's TEXT elements: escaped "<" (strings only),
// variables as "<name>", blanks as spaces, each in its element's colour.
ColoredText textOfItem(pugi::xml_node item, StringKind kind);

}  // namespace ztk::legendo
