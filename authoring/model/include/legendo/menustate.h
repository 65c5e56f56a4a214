// SPDX-License-Identifier: MIT
#pragma once
// What the main window's menus show as model state: the three Manager items that depend
// on the selection and the pop-up items whose captions change at run time.

#include <string>

namespace ztk::legendo {

struct MenuState {
    // Enabled states of mnuMessageNew, mnuMessageDelete and mnuFileRemove.
    bool messageNew = false;
    bool messageDelete = false;
    bool fileRemove = false;
    // Captions of mnuObjectDelete, mnuFormatNewTemplate, mnuFormatNewMultipg, mnuFormatNew.
    std::string objectDelete = "Delete Message";
    std::string formatNewTemplate = "New Template";
    std::string formatNewMultipg = "New Multipage Message";
    std::string formatNew = "New Message";
};

// The explorer's pop-up menus: root, file, Templates folder, Strings or Alarms folder, item.
enum class PopupMenu { Xml, XmlFile, FormatTemplate, Format, Object };

}  // namespace ztk::legendo
