// SPDX-License-Identifier: MIT
#include "ZTKMarqueeControl/propertybag.h"

#include <QSettings>

namespace ztk {

PropertyBag::~PropertyBag() = default;

SettingsPropertyBag::SettingsPropertyBag(QSettings& settings, QString group)
    : settings_(settings), group_(std::move(group)) {}

QString SettingsPropertyBag::key(const QString& name) const {
    return group_.isEmpty() ? name : group_ + u'/' + name;
}

QVariant SettingsPropertyBag::read(const QString& name, const QVariant& fallback) {
    return settings_.value(key(name), fallback);
}

void SettingsPropertyBag::write(const QString& name, const QVariant& value,
                                const QVariant& defaultValue) {
    if (value == defaultValue) {
        settings_.remove(key(name));
    } else {
        settings_.setValue(key(name), value);
    }
}

}  // namespace ztk
