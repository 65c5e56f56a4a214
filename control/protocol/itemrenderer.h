// SPDX-License-Identifier: MIT
#pragma once
// Renders message-file items into the display text of the sign's text file "A": templates
// (single-page and multipage), strings and alarms. Every variable field it meets is
// registered in the variables table and shown by reference to that field's string file.
//
// Each parse routine has a failure handler of its own: a failure inside it is reported to
// the RenderLog under the routine's name and the routine gives the empty text, so the rest
// of the item is still rendered. Nothing registered before the failure is taken back.

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <cstdint>

#include "protocol/renderfailure.h"
#include "protocol/variablestable.h"

namespace ztk::protocol {

class ItemRenderer {
  public:
    // TEXT elements nested deeper than this inside one another are refused by the routine
    // that meets them, whatever depth the loader let through.
    static constexpr int kMaxTextNesting = 32;

    ItemRenderer(VariablesTable& variables, RenderLog& log, std::uint8_t signType);

    // The text of a TEMPLATE after TextFileCommand(): TemplateStartCode and its LINEs for a
    // single-page template, PageStartCode and the page's lines per PAGE of a multipage one,
    // nothing for any other `type`. Sets the multipage flag for the first two.
    QByteArray renderTemplate(pugi::xml_node templ);
    // ParseTextTag of every TEXT child of a STRING or ALARM, concatenated.
    QByteArray renderTextItem(pugi::xml_node item);

    // The TEXT and VARIABLE children of a LINE, then a carriage return.
    QByteArray ParseLineTag(pugi::xml_node line);
    // The hold code of `holdTime` ("0": no hold, "1".."5": speed), then the page's LINEs and
    // ROTATELINE. Logged as "ParseLineTag".
    QByteArray ParsePageTag(pugi::xml_node page, const QString& holdTime);
    // A line rotating at the bottom, in its colour and font.
    QByteArray ParseRotateLineTag(pugi::xml_node rotateLine);
    // Colour, font and content of a template TEXT.
    QByteArray ParseTemplateTextTag(pugi::xml_node text);
    // Mode field (special or mode), speed, colour, font and content of a string/alarm TEXT.
    QByteArray ParseTextTag(pugi::xml_node text);
    // Registers the field and gives 0x10 and its label.
    QByteArray ParseVariableTag(pugi::xml_node variable);

  private:
    template <typename Body>
    QByteArray guarded(const char* routine, Body&& body);
    // The content of a TEXT or ROTATELINE: nested TEXT through `nestedText`, VARIABLEs, text
    // as it stands; stored blanks become spaces.
    template <typename NestedText>
    QByteArray content(pugi::xml_node element, NestedText&& nestedText);

    VariablesTable& variables_;
    RenderLog& log_;
    std::uint8_t signType_;
    int nesting_ = 0;
};

}  // namespace ztk::protocol
