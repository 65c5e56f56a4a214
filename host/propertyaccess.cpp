// SPDX-License-Identifier: MIT
#include "propertyaccess.h"

#include <functional>
#include <limits>
#include <map>

namespace ztk::host {
namespace {

struct Accessor {
    std::function<QString(const Marquee&)> get;
    std::function<void(Marquee&, const QString&)> set;
};

template <typename Integer>
Integer toInteger(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok) throw PropertyError(13, QString(), QStringLiteral("Type mismatch"));
    if (value < std::numeric_limits<Integer>::min() ||
        value > std::numeric_limits<Integer>::max()) {
        throw PropertyError(6, QString(), QStringLiteral("Overflow"));
    }
    return static_cast<Integer>(value);
}

template <typename Integer, typename Get, typename Set>
Accessor integerAccessor(Get get, Set set) {
    return {[get](const Marquee& m) { return QString::number((m.*get)()); },
            [set](Marquee& m, const QString& v) { (m.*set)(toInteger<Integer>(v)); }};
}

template <typename Get, typename Set>
Accessor textAccessor(Get get, Set set) {
    return {[get](const Marquee& m) { return (m.*get)(); },
            [set](Marquee& m, const QString& v) { (m.*set)(v); }};
}

const std::vector<std::pair<QString, Accessor>>& accessors() {
    using M = Marquee;
    static const std::vector<std::pair<QString, Accessor>> table{
        {"MessageFile", textAccessor(&M::MessageFile, &M::setMessageFile)},
        {"TemplateName", textAccessor(&M::TemplateName, &M::setTemplateName)},
        {"StringName", textAccessor(&M::StringName, &M::setStringName)},
        {"AlarmName", textAccessor(&M::AlarmName, &M::setAlarmName)},
        {"MarqueeConnectMode",
         integerAccessor<std::uint8_t>(&M::MarqueeConnectMode, &M::setMarqueeConnectMode)},
        {"MarqueeDisplayMode",
         integerAccessor<std::uint8_t>(&M::MarqueeDisplayMode, &M::setMarqueeDisplayMode)},
        {"MarqueeType", integerAccessor<std::uint8_t>(&M::MarqueeType, &M::setMarqueeType)},
        {"MarqueeAddress", textAccessor(&M::MarqueeAddress, &M::setMarqueeAddress)},
        {"MarqueeLogFile", textAccessor(&M::MarqueeLogFile, &M::setMarqueeLogFile)},
        {"SerialComPort", integerAccessor<std::uint8_t>(&M::SerialComPort, &M::setSerialComPort)},
        {"SerialBaudRate",
         integerAccessor<std::int32_t>(&M::SerialBaudRate, &M::setSerialBaudRate)},
        {"SerialParity", textAccessor(&M::SerialParity, &M::setSerialParity)},
        {"SerialDataBits",
         integerAccessor<std::uint8_t>(&M::SerialDataBits, &M::setSerialDataBits)},
        {"SerialStopBits",
         integerAccessor<std::uint8_t>(&M::SerialStopBits, &M::setSerialStopBits)},
        {"NetworkAddress", textAccessor(&M::NetworkAddress, &M::setNetworkAddress)},
        {"NetworkPort", integerAccessor<std::int16_t>(&M::NetworkPort, &M::setNetworkPort)},
    };
    return table;
}

const Accessor& accessor(const QString& name) {
    for (const auto& [n, a] : accessors()) {
        if (n == name) return a;
    }
    throw std::out_of_range("unknown property");
}

}  // namespace

QStringList propertyNames() {
    QStringList names;
    for (const auto& entry : accessors())
        names << entry.first;
    return names;
}

std::optional<QString> canonicalPropertyName(const QString& name) {
    for (const auto& entry : accessors()) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) return entry.first;
    }
    return std::nullopt;
}

QString propertyText(const Marquee& marquee, const QString& name) {
    return accessor(name).get(marquee);
}

void setPropertyText(Marquee& marquee, const QString& name, const QString& value) {
    accessor(name).set(marquee, value);
}

}  // namespace ztk::host
