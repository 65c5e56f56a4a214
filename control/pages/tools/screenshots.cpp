// SPDX-License-Identifier: MIT
// Draws the properties dialog with each of its pages into FOLDER, for the documentation:
//   pages_screenshots FOLDER
// Run it with a display (or xvfb-run); the offscreen platform draws without the desktop's
// style and fonts.
#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QTabWidget>

#include <cstdio>

#include "ZTKMarqueeControl/marquee.h"
#include "ZTKMarqueePages/propertiesdialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: pages_screenshots FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fputs("pages_screenshots: cannot make the folder\n", stderr);
        return 1;
    }

    // A sign on TCP/IP with a message file and a log, as a host would have it.
    ztk::Marquee sign;
    sign.setRunMode(false);
    sign.setMessageFile(QStringLiteral("/srv/signs/factory.xml"));
    sign.setMarqueeLogFile(QStringLiteral("/var/log/marquee-errors.txt"));
    sign.setMarqueeAddress(QStringLiteral("1F"));
    sign.setNetworkAddress(QStringLiteral("192.0.2.10"));

    ztk::pages::PropertiesDialog dialog(sign);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>();
    const auto shoot = [&](int tab, const char* name) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(name));
        if (dialog.grab().save(file)) return true;
        std::fprintf(stderr, "pages_screenshots: cannot write %s\n", qPrintable(file));
        return false;
    };
    if (!shoot(0, "general") || !shoot(2, "about") || !shoot(1, "communication-serial")) return 1;
    dialog.findChild<QRadioButton*>(QStringLiteral("optTCPIP"))->click();
    if (!shoot(1, "communication-tcpip")) return 1;
    dialog.findChild<QRadioButton*>(QStringLiteral("optSimulate"))->click();
    return shoot(1, "communication-simulate") ? 0 : 1;
}
