// SPDX-License-Identifier: MIT
#pragma once
// The Marquee's properties by name, as text, for the command line.

#include <QString>
#include <QStringList>

#include <optional>

#include "ZTKMarqueeControl/marquee.h"

namespace ztk::host {

// The property names in the control's order.
QStringList propertyNames();
// The exact name of `name` given in any letter case, or nothing.
std::optional<QString> canonicalPropertyName(const QString& name);
// The value of property `name` (canonical) as text.
QString propertyText(const Marquee& marquee, const QString& name);
// Sets property `name` (canonical) from text. Throws PropertyError: the control's refusal,
// or 13 "Type mismatch" / 6 "Overflow" when the text is no number of the property's type.
void setPropertyText(Marquee& marquee, const QString& name, const QString& value);

}  // namespace ztk::host
