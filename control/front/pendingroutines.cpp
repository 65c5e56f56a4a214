// Message-file rendering, variable updates and alarms are not built yet. Until they are,
// each of these routines fails the way every routine fails (a logged error, false), so a
// host is never told that something is on show that was not sent.
#include "front/marqueecontext.h"

namespace ztk {
namespace {

bool notAvailable(MarqueeContext& context, const char* routine, const char* what) {
    return context.runRoutine(QLatin1String(routine), [&]() -> bool {
        throw ControlError(QLatin1String(what) + QStringLiteral(" is not available yet."));
    });
}

}  // namespace

bool MarqueeContext::updateTemplateDisplay() {
    return notAvailable(*this, "UpdateTemplateDisplay", "Template display");
}

bool MarqueeContext::updateStringDisplay() {
    return notAvailable(*this, "UpdateStringDisplay", "String display");
}

bool MarqueeContext::blankVariables() {
    return notAvailable(*this, "UpdateVariable", "Blanking variables");
}

bool MarqueeContext::updateVariable(const QString&, const QString&) {
    return notAvailable(*this, "UpdateVariable", "Variable update");
}

bool MarqueeContext::updateVariableAdv(const QString&, const QString&, const QString&,
                                       std::int16_t) {
    return notAvailable(*this, "UpdateVariable", "Variable update");
}

bool MarqueeContext::alarmAdd() {
    return notAvailable(*this, "AlarmAdd", "Alarm display");
}

bool MarqueeContext::alarmAcknowledge() {
    return notAvailable(*this, "AlarmAcknowledge", "Alarm display");
}

bool MarqueeContext::alarmAcknowledgeAll() {
    return notAvailable(*this, "AlarmAcknowledgeAll", "Alarm display");
}

}  // namespace ztk
