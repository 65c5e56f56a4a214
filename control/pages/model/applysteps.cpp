// SPDX-License-Identifier: MIT
#include "model/applysteps.h"

#include "ZTKMarqueeControl/marquee.h"
#include "ZTKMarqueeControl/propertyerror.h"

namespace ztk::pages {

std::optional<Refusal> runSteps(Marquee& marquee, const std::vector<ApplyStep>& steps) {
    for (const ApplyStep& step : steps) {
        try {
            step.set(marquee);
        } catch (const PropertyError& error) {
            return Refusal{step.property, step.field, error.number(), error.source(), error.text()};
        }
    }
    return std::nullopt;
}

QString refusalMessage(const Refusal& refusal) {
    // The control gives a range refusal no source of its own, so the property is named too.
    QString message =
        refusal.text.isEmpty() ? QStringLiteral("The value was refused.") : refusal.text;
    message += QStringLiteral("\n\nProperty: ") + refusal.property;
    message += QStringLiteral("\nError: ") + QString::number(refusal.number);
    if (!refusal.source.isEmpty()) message += QStringLiteral("\nSource: ") + refusal.source;
    return message;
}

}  // namespace ztk::pages
