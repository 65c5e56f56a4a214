// SPDX-License-Identifier: MIT
#pragma once
// The program's version information, from the version header CMake generates.

#include <QString>

namespace ztk::simapp {

struct VersionInfo {
    QString fileDescription;
    QString legalCopyright;
    QString fileVersion;
    QString specialBuild;
    QString comments;  // the maker's web address
};

// The maker's name and web address, used where the version header leaves them empty.
inline const QString kMakerName = QStringLiteral("ZTK Systems");
inline const QString kMakerAddress = QStringLiteral("https://ztk-marquee.example.org");

VersionInfo programVersion();

// The link bar's text: the legal copyright, or the maker's name.
QString linkText(const VersionInfo& version);
// The link bar's target: the web address of the comments, or the maker's.
QString linkTarget(const VersionInfo& version);

}  // namespace ztk::simapp
