// SPDX-License-Identifier: MIT
#pragma once
// The error a refused property set throws to the host.

#include <QString>

#include <exception>
#include <string>

#include "ZTKMarqueeControl/export.h"

namespace ztk {

// Number 382: refused now (locked after Initialize, or set only through a method);
// number 380: invalid value. The stored value is unchanged when this is thrown.
class ZTK_MARQUEE_EXPORT PropertyError : public std::exception {
  public:
    PropertyError(int number, QString source, QString text);
    ~PropertyError() override;

    int number() const noexcept { return number_; }
    const QString& source() const noexcept { return source_; }
    const QString& text() const noexcept { return text_; }
    const char* what() const noexcept override { return what_.c_str(); }

  private:
    int number_;
    QString source_;
    QString text_;
    std::string what_;
};

}  // namespace ztk
