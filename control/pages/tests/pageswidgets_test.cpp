// SPDX-License-Identifier: MIT
// The pages and their dialog on the offscreen platform: typing and leaving the filtered
// boxes, the frames of each connect mode, focus rules, file choosers, apply with a refused
// value, accessible names.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "ZTKMarqueePages/propertiesdialog.h"
#include "model/pagetexts.h"
#include "pagestesting.h"
#include "widgets/filteredlineedit.h"

namespace ztk::pages {
namespace {

class PagesDialogTest : public ::testing::Test {
  protected:
    // Shows a dialog over `sign`, active, so that focus changes happen as for a person.
    PropertiesDialog& open() {
        dialog_ = std::make_unique<PropertiesDialog>(sign_, prompter_);
        dialog_->show();
        dialog_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        return *dialog_;
    }
    template <typename T>
    T* child(const QString& name) {
        T* found = dialog_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void showTab(int index) { dialog_->findChild<QTabWidget*>()->setCurrentIndex(index); }
    QPushButton* button(QDialogButtonBox::StandardButton which) {
        return dialog_->findChild<QDialogButtonBox*>()->button(which);
    }
    // Types `keys` into the empty field named `name` and moves the focus on.
    QString typeAndLeave(const QString& name, const QString& keys) {
        auto* box = child<QLineEdit>(name);
        box->setFocus(Qt::TabFocusReason);
        box->clear();
        QTest::keyClicks(box, keys);
        button(QDialogButtonBox::Cancel)->setFocus(Qt::TabFocusReason);
        return box->text();
    }

    Marquee sign_;
    test::ScriptedPrompter prompter_;
    std::unique_ptr<PropertiesDialog> dialog_;
};

TEST_F(PagesDialogTest, FilteredBoxesTakeWhatTheirFiltersPass) {
    open();
    EXPECT_FALSE(button(QDialogButtonBox::Apply)->isEnabled());
    EXPECT_EQ(typeAndLeave("txtMarqueeAddress", "abc"), "AB");
    EXPECT_TRUE(button(QDialogButtonBox::Apply)->isEnabled());
    EXPECT_EQ(typeAndLeave("txtMarqueeAddress", "7"), "07");
    EXPECT_EQ(typeAndLeave("txtMarqueeAddress", ""), "00");

    showTab(1);
    child<QRadioButton>("optTCPIP")->click();
    EXPECT_EQ(typeAndLeave("txtNetworkPort", "7x0-000"), "32767");
    EXPECT_EQ(typeAndLeave("txtNetworkPort", ""), "0");
    // A paste passes the same filter as typing.
    auto* port = child<QLineEdit>("txtNetworkPort");
    port->setFocus();
    port->clear();
    QApplication::clipboard()->setText("40a01 ");
    QTest::keyClick(port, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(port->text(), "4001");
    port->clear();
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                port->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(port, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste"))) action->trigger();
    }
    menu->close();
    EXPECT_EQ(port->text(), "4001");
    // Plain boxes take any text.
    EXPECT_EQ(typeAndLeave("txtNetworkAddress", "sign-7.example"), "sign-7.example");
}

TEST_F(PagesDialogTest, EachConnectModeShowsOnlyItsSettings) {
    const std::vector<std::pair<int, QString>> modes{
        {0, "fraSerial"}, {1, "fraTCPIP"}, {2, "fraSimulate"}, {7, "fraSimulate"}};
    const QStringList frames{"fraSerial", "fraTCPIP", "fraSimulate"};
    const QStringList options{"optSerial", "optTCPIP", "optSimulate"};
    for (const auto& [mode, shown] : modes) {
        test::loadStored(sign_, {{"MarqueeConnectMode", mode}});
        open();
        showTab(1);
        for (qsizetype i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(child<QGroupBox>(frames[i])->isVisible(), frames[i] == shown)
                << "mode " << mode << ": " << frames[i].toStdString();
            EXPECT_EQ(child<QRadioButton>(options[i])->isChecked(), frames[i] == shown);
        }
        EXPECT_FALSE(button(QDialogButtonBox::Apply)->isEnabled()) << mode;
    }
    // Choosing an option shows its frame and marks the page changed.
    child<QRadioButton>("optSerial")->click();
    EXPECT_TRUE(child<QGroupBox>("fraSerial")->isVisible());
    EXPECT_FALSE(child<QGroupBox>("fraSimulate")->isVisible());
    EXPECT_TRUE(button(QDialogButtonBox::Apply)->isEnabled());
}

TEST_F(PagesDialogTest, TabFromSerialGoesToThePortListAndBoxesSelectAllOnFocus) {
    sign_.setNetworkAddress("192.0.2.10");
    sign_.setMarqueeConnectMode(1);
    open();
    showTab(1);
    auto* address = child<QLineEdit>("txtNetworkAddress");
    address->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(address->selectedText(), "192.0.2.10");

    child<QRadioButton>("optSerial")->click();
    child<QRadioButton>("optSerial")->setFocus();
    QTest::keyClick(child<QRadioButton>("optSerial"), Qt::Key_Tab);
    EXPECT_TRUE(child<QComboBox>("cboSerialComPort")->hasFocus());
}

TEST_F(PagesDialogTest, FileChoosersFillTheirBoxOrLeaveIt) {
    sign_.setMessageFile("/srv/old.xml");
    open();
    prompter_.answers = {QString("/srv/new.xml"), std::nullopt, std::nullopt};
    child<QPushButton>("cmdMessage")->click();
    EXPECT_EQ(child<QLineEdit>("txtMessageFile")->text(), "/srv/new.xml");
    EXPECT_TRUE(button(QDialogButtonBox::Apply)->isEnabled());
    child<QPushButton>("cmdMessage")->click();  // cancelled
    EXPECT_EQ(child<QLineEdit>("txtMessageFile")->text(), "/srv/new.xml");

    // A text that names no file starts the chooser empty, and cancelling keeps the text.
    const QString bad = QStringLiteral("log") + QChar(u'\0');
    child<QLineEdit>("txtMarqueeLogFile")->setText(bad);
    child<QPushButton>("cmdLog")->click();
    EXPECT_EQ(child<QLineEdit>("txtMarqueeLogFile")->text(), bad);

    ASSERT_EQ(prompter_.choosers.size(), 3u);
    EXPECT_FALSE(prompter_.choosers[0].save);
    EXPECT_EQ(prompter_.choosers[0].fileName, "/srv/old.xml");
    EXPECT_EQ(prompter_.choosers[0].filter, "XML Files(*.xml)|*.xml|All Files (*.*)|*.*");
    EXPECT_EQ(prompter_.choosers[1].fileName, "/srv/new.xml");
    EXPECT_TRUE(prompter_.choosers[2].save);
    EXPECT_EQ(prompter_.choosers[2].fileName, "");
    EXPECT_EQ(prompter_.choosers[2].filter, "Text Files(*.txt)|*.txt|All Files (*.*)|*.*");
}

TEST_F(PagesDialogTest, ARefusedValueStopsTheApplyAndIsShown) {
    sign_.setRunMode(false);
    open();
    child<QLineEdit>("txtMarqueeLogFile")->setText("/tmp/errors.txt");
    showTab(1);
    child<QRadioButton>("optTCPIP")->click();
    child<QLineEdit>("txtNetworkAddress")->setText("192.0.2.9");
    auto* port = child<QLineEdit>("txtNetworkPort");
    port->setFocus();
    port->clear();
    // Enter presses OK with the focus still in the box: it is left first, so "0" is applied.
    QTest::keyClick(port, Qt::Key_Return);

    ASSERT_EQ(prompter_.errors.size(), 1u);
    EXPECT_EQ(prompter_.errors[0], "Invalid property value\n\nProperty: NetworkPort\nError: 380");
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->findChild<QTabWidget*>()->currentIndex(), 1);
    EXPECT_TRUE(port->hasFocus());
    EXPECT_EQ(port->text(), "0");
    EXPECT_EQ(sign_.MarqueeLogFile(), "/tmp/errors.txt");  // its page came first
    EXPECT_EQ(sign_.NetworkAddress(), "");                 // after the refused port
    EXPECT_EQ(sign_.MarqueeConnectMode(), 0);
    EXPECT_TRUE(button(QDialogButtonBox::Apply)->isEnabled());

    QTest::keyClicks(port, "4001");
    button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(sign_.NetworkPort(), 4001);
    EXPECT_EQ(sign_.NetworkAddress(), "192.0.2.9");
    EXPECT_EQ(sign_.MarqueeConnectMode(), 1);

    // Cancel sets nothing.
    open();
    child<QLineEdit>("txtMessageFile")->setText("/srv/other.xml");
    button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(sign_.MessageFile(), "");
}

TEST_F(PagesDialogTest, PagesShowTheirTextsAndNameEveryFieldAfterItsLabel) {
    open();
    const QStringList tabs{"General", "Communication", "About"};
    auto* tabWidget = dialog_->findChild<QTabWidget*>();
    for (int i = 0; i < tabWidget->count(); ++i)
        EXPECT_EQ(tabWidget->tabText(i), tabs[i]);
    EXPECT_EQ(child<QLabel>("lblVersion")->text(), "Version: 2.0.1");
    EXPECT_EQ(child<QComboBox>("cboSerialDataBits")->itemText(0), "8");
    EXPECT_EQ(child<QComboBox>("cboSerialComPort")->itemText(15), "COM 16");
    EXPECT_EQ(child<QComboBox>("cboSerialBaudRate")->count(), 16);
    EXPECT_EQ(child<QLineEdit>("txtMarqueeAddress")->toolTip(), "[00-FF];  00 broadcasts");

    for (QLabel* label : dialog_->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            EXPECT_EQ(label->buddy()->accessibleName(), label->text());
        }
    }
    QStringList unnamed;
    for (QWidget* field : dialog_->findChildren<QWidget*>()) {
        const bool isField = qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) ||
                             qobject_cast<QAbstractButton*>(field) ||
                             qobject_cast<QGroupBox*>(field);
        if (isField && field->parent() != nullptr &&
            !qobject_cast<QComboBox*>(field->parentWidget()) && field->accessibleName().isEmpty())
            unnamed << field->objectName() + "/" + field->metaObject()->className();
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
    EXPECT_EQ(child<QRadioButton>("optTCPIP")->accessibleName(), "TCP/IP");
    EXPECT_EQ(button(QDialogButtonBox::Ok)->accessibleName(), "OK");
    EXPECT_EQ(child<QGroupBox>("fraMode")->accessibleName(), "Mode");
}

}  // namespace
}  // namespace ztk::pages
