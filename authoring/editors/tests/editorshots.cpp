// Shows each editor panel with an item loaded and writes a picture of it, to look at the
// editors as a user sees them: editorshots <output folder>. Run it under a display server
// (xvfb-run) or on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

#include "itemeditor.h"
#include "modelhost.h"
#include "widgets/templateeditor.h"

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

bool shoot(ItemEditor& editor, test::ModelHost& host, const std::string& folder,
           const std::string& item, const QString& picture, int page = 1) {
    host.select(host.selection().currentFile, folder, item);
    editor.reset();
    if (!editor.load()) return false;
    if (auto* templ = dynamic_cast<TemplateEditor*>(&editor)) {
        if (MultipageModel* pages = templ->pages()) {
            while (host.selection().currentPage < page)
                pages->nextPage();
        }
        templ->model().moveCursor({1, 7});  // a field cell: the field shows selected
    }
    QWidget* panel = editor.panel();
    panel->resize(1020, folder == "Templates" ? 470 : 360);
    panel->show();
    QApplication::processEvents();
    return panel->grab().save(picture);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: editorshots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    QFile file(work.filePath(QStringLiteral("factory.xml")));
    if (!file.open(QIODevice::WriteOnly) || file.write(kItems) < 0) return 1;
    file.close();

    test::SilentPrompter prompter(true);
    test::ModelHost host(prompter);
    host.selection().currentFile = file.fileName().toStdString();
    Editors editors = makeEditors(host, nullptr);
    bool ok = shoot(*editors.templateEditor, host, "Templates", "Line Status",
                    out.filePath(QStringLiteral("template-editor.png")));
    ok = shoot(*editors.multipageEditor, host, "Templates", "Shift Board",
               out.filePath(QStringLiteral("multipage-editor.png")), 2) &&
         ok;
    ok = shoot(*editors.stringEditor, host, "Strings", "Welcome",
               out.filePath(QStringLiteral("string-editor.png"))) &&
         ok;
    ok = shoot(*editors.stringEditor, host, "Alarms", "Fire",
               out.filePath(QStringLiteral("alarm-editor.png"))) &&
         ok;
    return ok ? 0 : 1;
}
