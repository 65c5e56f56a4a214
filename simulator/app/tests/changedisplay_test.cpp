// SPDX-License-Identifier: MIT
// The Change Display dialog: choosing a listed model, sizing a generic one, the arrows'
// rounding, the refusals, and what OK writes to the settings file.
#include <gtest/gtest.h>

#include <QSpinBox>

#include "changedisplaydialog.h"
#include "changedisplaymodel.h"
#include "simapp_testsupport.h"
#include "simsettings.h"

namespace ztk::simapp {
namespace {

class ChangeDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.write(
            "[Displays]\n"
            "D001=\"Orvex 5210C,120,24,3,3FFF,3FF,77\"\n"
            "D002=\"OrvexPanel FM,0,0,3,7FFF,7FFD,77\"\n"
            "D003=\"OrvexPanel CM,-1,0,1,3FFF,1BF,7\"\n"
            "D004=\"not a model line\"\n");
        settings_ = std::make_unique<SimSettings>(folder_.settingsPath());
    }

    testing::SettingsFolder folder_;
    std::unique_ptr<SimSettings> settings_;
};

TEST_F(ChangeDisplayTest, AFullMatrixTemplateNamesTheModelBySizeAndIsAppended) {
    ChangeDisplayModel model(*settings_, "OrvexPanel FM");
    ASSERT_EQ(model.entries().size(), 3u);  // the line that is no model is not offered
    EXPECT_EQ(model.selected(), 1);
    EXPECT_TRUE(model.sizesEditable());
    EXPECT_EQ(model.columnsLabel(), "Columns:");
    EXPECT_EQ(model.columnsRange(), (SpinRange{32, 640}));
    EXPECT_EQ(model.rowsRange(), (SpinRange{16, 480}));

    for (auto [columns, rows] : {std::pair{100, 32}, {0, 32}, {672, 32}, {160, 0}, {160, 24}}) {
        model.setColumns(columns);
        model.setRows(rows);
        const auto refused = model.accept(*settings_);
        EXPECT_FALSE(refused.accepted) << columns << " x " << rows;
        EXPECT_EQ(refused.warning,
                  "Columns must be between 32 and 640 in increments of 32.\r\n"
                  "Rows must be between 16 and 480 in increments of 16.");
    }
    EXPECT_TRUE(settings_->text(key::kCmdInfo).isEmpty());  // a refusal writes nothing

    model.setColumns(160);
    model.setRows(32);
    model.setColor(ColorChoice::Three);
    const auto result = model.accept(*settings_);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.modelLine, "OrvexPanel FM160x32-3,160,32,3,7FFF,7FFD,77");
    EXPECT_EQ(settings_->text(key::kCmdInfo), result.modelLine);
    EXPECT_EQ(settings_->integer(key::kExtendedMem, -1), 0);  // 0x7FFD lacks bit 1
    // Appended after every stored key, the unreadable D004 included, so nothing is lost.
    const QStringList displays = SimSettings(folder_.settingsPath()).displays();
    ASSERT_EQ(displays.size(), 5);
    EXPECT_EQ(displays[3], "not a model line");
    EXPECT_EQ(displays[4], result.modelLine);
}

TEST_F(ChangeDisplayTest, ACharacterMatrixTemplateIsSizedInCharacters) {
    ChangeDisplayModel model(*settings_, "OrvexPanel CM");
    EXPECT_EQ(model.columnsLabel(), "Chars:");
    EXPECT_EQ(model.columns(), 0);
    EXPECT_EQ(model.color(), ColorChoice::Single);
    EXPECT_EQ(model.columnsRange(), (SpinRange{8, 104}));
    EXPECT_EQ(model.rowsRange(), (SpinRange{2, 60}));

    for (auto [chars, rows] : {std::pair{20, 3}, {20, 0}, {20, 62}, {4, 4}, {112, 4}}) {
        model.setColumns(chars);
        model.setRows(rows);
        const auto refused = model.accept(*settings_);
        EXPECT_FALSE(refused.accepted) << chars << " x " << rows;
        EXPECT_EQ(refused.warning,
                  "Chars must be between 8 and 104 in increments of 8.\r\n"
                  "Rows must be between 2 and 60 in increments of 2.");
    }

    model.setColumns(20);
    model.setRows(4);
    const auto result = model.accept(*settings_);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.modelLine, "OrvexPanel CM20x4-1,120,32,1,3FFF,1BF,7");
    EXPECT_EQ(settings_->integer(key::kExtendedMem, -1), 1);
}

TEST_F(ChangeDisplayTest, AListedFixedModelIsSavedWithoutANewKey) {
    ChangeDisplayModel model(*settings_, "Some Other Title");
    EXPECT_EQ(model.selected(), 0);  // no name matches: the first
    EXPECT_FALSE(model.sizesEditable());
    EXPECT_EQ(model.columns(), 120);
    EXPECT_EQ(model.rows(), 24);
    const auto result = model.accept(*settings_);
    ASSERT_TRUE(result.accepted);
    EXPECT_EQ(result.modelLine, "Orvex 5210C,120,24,3,3FFF,3FF,77");
    EXPECT_EQ(settings_->text(key::kCmdInfo), result.modelLine);
    EXPECT_EQ(settings_->integer(key::kExtendedMem, -1), 1);
    EXPECT_EQ(settings_->displays().size(), 4);

    testing::SettingsFolder empty;
    SimSettings none(empty.settingsPath());
    EXPECT_FALSE(ChangeDisplayModel(none, "x").canAccept());
}

TEST_F(ChangeDisplayTest, TheDialogStepsWithItsArrowsAndWarnsOnOk) {
    testing::RecordingPrompter prompter;
    ChangeDisplayDialog dialog(*settings_, prompter, "OrvexPanel FM");
    auto spins = dialog.findChildren<QSpinBox*>();
    ASSERT_EQ(spins.size(), 2);
    QSpinBox* columns = spins[0];
    QSpinBox* rows = spins[1];
    EXPECT_TRUE(columns->isEnabled());

    columns->setValue(32);
    columns->stepBy(1);
    EXPECT_EQ(columns->value(), 64);
    columns->setValue(50);
    columns->stepBy(1);
    EXPECT_EQ(columns->value(), 64);
    columns->setValue(50);
    columns->stepBy(-1);
    EXPECT_EQ(columns->value(), 32);
    columns->setValue(630);
    columns->stepBy(1);
    EXPECT_EQ(columns->value(), 640);  // kept in range
    rows->stepBy(-1);
    EXPECT_EQ(rows->value(), 16);

    columns->setValue(100);
    dialog.accept();
    ASSERT_EQ(prompter.texts.size(), 1u);
    EXPECT_TRUE(prompter.texts[0].startsWith("Columns must be between 32 and 640"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    columns->setValue(96);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.modelLine(), "OrvexPanel FM96x16-3,96,16,3,7FFF,7FFD,77");
}

}  // namespace
}  // namespace ztk::simapp
