// SPDX-License-Identifier: MIT
#include "model/versiontext.h"

#include "ztkversion.h"

namespace ztk::pages {

QString versionText() {
    return QStringLiteral("Version: %1.%2.%3")
        .arg(ZTK_VERSION_MAJOR)
        .arg(ZTK_VERSION_MINOR)
        .arg(ZTK_VERSION_REVISION);
}

}  // namespace ztk::pages
