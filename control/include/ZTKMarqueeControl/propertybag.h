// SPDX-License-Identifier: MIT
#pragma once
// The host's store for a control's persisted properties.

#include <QString>
#include <QVariant>

#include <memory>

#include "ZTKMarqueeControl/export.h"

class QSettings;

namespace ztk {

// Reads and writes named values; a host implements it over its own documents.
class ZTK_MARQUEE_EXPORT PropertyBag {
  public:
    virtual ~PropertyBag();
    // The stored value of `name`, or `fallback` when none is stored.
    virtual QVariant read(const QString& name, const QVariant& fallback) = 0;
    // Stores `value` under `name`; a value equal to `defaultValue` may be left out.
    virtual void write(const QString& name, const QVariant& value,
                       const QVariant& defaultValue) = 0;
};

// A PropertyBag over a QSettings group (the caller keeps `settings` alive).
class ZTK_MARQUEE_EXPORT SettingsPropertyBag : public PropertyBag {
  public:
    explicit SettingsPropertyBag(QSettings& settings, QString group = QString());
    QVariant read(const QString& name, const QVariant& fallback) override;
    // Values equal to their default are removed, so the store holds only what differs.
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue) override;

  private:
    QString key(const QString& name) const;
    QSettings& settings_;
    QString group_;
};

}  // namespace ztk
