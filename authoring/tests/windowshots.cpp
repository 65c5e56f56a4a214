// SPDX-License-Identifier: MIT
// Opens a message file with one item of each kind in the main window, shows each item in
// its editor and writes a picture of the window, at its smallest and at a larger size, to
// look at the editors as a user sees them: windowshots <output folder>. Run it under a
// display server (xvfb-run) or on the offscreen platform. It keeps its settings in a
// folder of its own, so the user's list of open files is neither read nor changed.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

#include "legendo/nodekey.h"
#include "mainwindow.h"
#include "modelhost.h"

namespace {

using namespace ztk::legendo;

const char kItems[] =
    "<MARQUEE>"
    "<TEMPLATE font='S7' rows='4' cols='24'>Line Status"
    "<LINE><TEXT color='Green' font='S7'>Line&#4;1&#4;</TEXT><TEXT color='Amber' font='S7'>"
    "<VARIABLE max_len='13'>state</VARIABLE></TEXT></LINE>"
    "<LINE><TEXT color='Green' font='S7'>Made&#4;</TEXT><TEXT color='Amber' font='S7'>"
    "<VARIABLE max_len='5'>count</VARIABLE></TEXT><TEXT color='Green' font='S7'>&#4;Goal&#4;"
    "</TEXT><TEXT color='Amber' font='S7'><VARIABLE max_len='4'>goal</VARIABLE></TEXT></LINE>"
    "<LINE><TEXT color='Green' font='S7'>Temp&#4;</TEXT><TEXT color='Red' font='S7'>"
    "<VARIABLE max_len='4'>temp</VARIABLE></TEXT><TEXT color='Green' font='S7'>&#4;&#176;C"
    "</TEXT></LINE>"
    "<LINE><TEXT color='Red' font='S7'>SAFETY&#4;FIRST</TEXT></LINE></TEMPLATE>"
    "<TEMPLATE type='multipage' numberofpages='2'>Shift Board"
    "<PAGE holdtime='2' font='S7' rows='2' cols='16' pagenumber='1'>"
    "<LINE><TEXT color='Green'>Shift&#4;A&#4;&#4;06-14</TEXT></LINE>"
    "<LINE><TEXT color='Amber'>Lead&#4;</TEXT><TEXT color='Green'>"
    "<VARIABLE max_len='11'>leadA</VARIABLE></TEXT></LINE></PAGE>"
    "<PAGE holdtime='0' font='S7' rows='2' cols='16' pagenumber='2'>"
    "<LINE><TEXT color='Green'>Shift&#4;B&#4;&#4;14-22</TEXT></LINE>"
    "<LINE><TEXT color='Amber'>Lead&#4;</TEXT><TEXT color='Green'>"
    "<VARIABLE max_len='11'>leadB</VARIABLE></TEXT></LINE>"
    "<ROTATELINE><TEXT color='Amber' font='S7'>Wear your helmet and safety glasses</TEXT>"
    "</ROTATELINE></PAGE></TEMPLATE>"
    "<STRING>Welcome<TEXT speed='2' special='Sparkle' mode='Hold' position='Middle' "
    "color='Amber'>Welcome&#4;to&#4;</TEXT><TEXT color='Green'>Hall&#4;</TEXT>"
    "<TEXT color='Green'><VARIABLE>hall</VARIABLE></TEXT><TEXT color='Red'>&#4;-&#4;a&#4;&lt;"
    "&#4;b</TEXT></STRING>"
    "<ALARM>Fire<TEXT speed='5' mode='Flash' position='Fill' font='S7' color='Red'>"
    "FIRE&#4;in&#4;hall&#4;2&#4;-&#4;leave&#4;now</TEXT></ALARM>"
    "</MARQUEE>";

bool shoot(MainWindow& window, const std::string& key, const QSize& size, const QString& picture,
           int page = 1) {
    window.resize(size);
    window.model().nodeClick(key);
    for (int i = 1; i < page; ++i) {
        if (auto* next = window.findChild<QPushButton*>(QStringLiteral("cmdNextTemplatePg"))) {
            next->click();
        }
    }
    QApplication::processEvents();
    return window.grab().save(picture);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir work;
    if (!work.isValid()) return 1;
    qputenv("HOME", work.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", work.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowshots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QFile file(work.filePath(QStringLiteral("factory.xml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(kItems) < 0) return 1;
    file.close();
    const std::string path = file.fileName().toStdString();

    test::SilentPrompter prompter(true);
    MainWindow window(prompter);
    window.show();
    window.startUp({path});
    const QSize smallest = window.minimumSize();
    const QSize larger(1180, 720);
    auto key = [&](const char* folder, const char* item) {
        return itemKey(folderKey(path, folder), item);
    };
    struct Shot {
        std::string key;
        QSize size;
        const char* picture;
        int page;
    };
    const Shot shots[] = {
        {key(kTemplatesFolder, "Line Status"), smallest, "template-editor.png", 1},
        {key(kTemplatesFolder, "Line Status"), larger, "template-editor-large.png", 1},
        {key(kTemplatesFolder, "Shift Board"), smallest, "multipage-editor.png", 2},
        {key(kTemplatesFolder, "Shift Board"), larger, "multipage-editor-large.png", 2},
        {key(kStringsFolder, "Welcome"), smallest, "string-editor.png", 1},
        {key(kAlarmsFolder, "Fire"), smallest, "alarm-editor.png", 1},
    };
    bool ok = true;
    for (const Shot& shot : shots) {
        // Each picture starts from another node, so the item is opened afresh.
        window.model().nodeClick(kRootKey);
        ok = shoot(window, shot.key, shot.size, out.filePath(QString::fromLatin1(shot.picture)),
                   shot.page) &&
             ok;
    }
    return ok ? 0 : 1;
}
