// SPDX-License-Identifier: MIT
#include "ZTKMarqueeControl/propertyerror.h"

namespace ztk {

PropertyError::PropertyError(int number, QString source, QString text)
    : number_(number), source_(std::move(source)), text_(std::move(text)) {
    what_ = QStringLiteral("%1 %2: %3").arg(number_).arg(source_, text_).toStdString();
}

PropertyError::~PropertyError() = default;

}  // namespace ztk
