// SPDX-License-Identifier: MIT
#include "versioninfo.h"

#include "prompter.h"
#include "ztkversion.h"

namespace ztk::simapp {

VersionInfo programVersion() {
    VersionInfo info;
    info.fileDescription = kProgramTitle;
    info.legalCopyright = QStringLiteral(ZTK_LEGAL_COPYRIGHT);
    info.fileVersion = QStringLiteral(ZTK_VERSION_STRING);
    info.specialBuild = QStringLiteral(ZTK_SPECIAL_BUILD);
    info.comments = QStringLiteral(ZTK_COMMENTS);
    return info;
}

QString linkText(const VersionInfo& version) {
    return version.legalCopyright.isEmpty() ? kMakerName : version.legalCopyright;
}

QString linkTarget(const VersionInfo& version) {
    return version.comments.isEmpty() ? kMakerAddress : version.comments;
}

}  // namespace ztk::simapp
