// SPDX-License-Identifier: MIT
// Persistence of the sixteen properties in the host's store, in their fixed order.
#include <limits>

#include "ZTKMarqueeControl/marquee.h"
#include "front/marqueecontext.h"

namespace ztk {
namespace {

// Calls `visit(name, field, defaultValue)` for every persisted property, in store order.
template <typename Props, typename Visitor>
void forEachPersisted(Props& p, Visitor&& visit) {
    const MarqueeProperties d;
    visit("MessageFile", p.messageFile, d.messageFile);
    visit("TemplateName", p.templateName, d.templateName);
    visit("StringName", p.stringName, d.stringName);
    visit("AlarmName", p.alarmName, d.alarmName);
    visit("MarqueeConnectMode", p.connectMode, d.connectMode);
    visit("MarqueeDisplayMode", p.displayMode, d.displayMode);
    visit("MarqueeType", p.type, d.type);
    visit("MarqueeAddress", p.address, d.address);
    visit("MarqueeLogFile", p.logFile, d.logFile);
    visit("SerialComPort", p.serialComPort, d.serialComPort);
    visit("SerialBaudRate", p.serialBaudRate, d.serialBaudRate);
    visit("SerialParity", p.serialParity, d.serialParity);
    visit("SerialDataBits", p.serialDataBits, d.serialDataBits);
    visit("SerialStopBits", p.serialStopBits, d.serialStopBits);
    visit("NetworkAddress", p.networkAddress, d.networkAddress);
    visit("NetworkPort", p.networkPort, d.networkPort);
}

// A stored value converted to the field's type; the default when it does not convert or
// does not fit (a damaged store must not put a wrapped-around number into the control).
QString fromStore(const QVariant& stored, const QString&) {
    return stored.toString();
}

template <typename Integer>
Integer fromStore(const QVariant& stored, Integer fallback) {
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<Integer>::min() ||
        value > std::numeric_limits<Integer>::max()) {
        return fallback;
    }
    return static_cast<Integer>(value);
}

template <typename T>
QVariant toStore(const T& value) {
    if constexpr (std::is_same_v<T, QString>) {
        return value;
    } else {
        return QVariant(static_cast<int>(value));
    }
}

}  // namespace

void Marquee::InitProperties() {
    context_->props = MarqueeProperties{};
}

void Marquee::ReadProperties(PropertyBag& bag) {
    forEachPersisted(context_->props, [&](const char* name, auto& field, const auto& fallback) {
        field = fromStore(bag.read(QLatin1String(name), toStore(fallback)), fallback);
    });
}

void Marquee::WriteProperties(PropertyBag& bag) const {
    const MarqueeProperties& props = context_->props;
    forEachPersisted(props, [&](const char* name, const auto& field, const auto& fallback) {
        bag.write(QLatin1String(name), toStore(field), toStore(fallback));
    });
    context_->changed.clear();
}

}  // namespace ztk
