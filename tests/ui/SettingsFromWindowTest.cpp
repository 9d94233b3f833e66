// The settings dialog opened from the main window: what OK applies to the
// window and what Cancel keeps.
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "ui/main/CommandBar.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionList.h"
#include "ui/main/SelectionPane.h"
#include "ui/settings/ChoiceGroup.h"
#include "ui/settings/SettingsDlg.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/ImageButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

class SettingsFromWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("b.txt", "b");
        dir.write("a.jpg", "a");
        window = std::make_unique<CMainDlg>(std::vector<std::string>{dir.path()});
        window->Selection().WaitForListing();
    }

    // Opens the settings from the window's button and runs `edit` on the dialog.
    void RunSettings(const std::function<void(CSettingsDlg &)> &edit)
    {
        WhenModalOpens([this, edit](QWidget *modal) {
            auto *dialog = qobject_cast<CSettingsDlg *>(modal);
            ASSERT_NE(dialog, nullptr);
            interactiveWhileOpen = window->IsInteractive();
            edit(*dialog);
        });
        auto *settings = Widget<CImageButton>(*window, "settingsButton");
        ASSERT_TRUE(settings->isEnabled());
        settings->click();
        window->Selection().WaitForListing();
    }

    IsolatedUserDirs user;
    TempDir dir;
    std::unique_ptr<CMainDlg> window;
    bool interactiveWhileOpen = true;
};

TEST_F(SettingsFromWindowTest, OkAppliesListDisplaySortAndFilter)
{
    RunSettings([](CSettingsDlg &dialog) {
        dialog.ShowPage(0);
        Widget<CChoiceGroup>(dialog, "charChoice")->Choice(1)->click();
        Widget<CChoiceGroup>(dialog, "selectChoice")->Choice(1)->click();
        Widget<QCheckBox>(dialog, "sortDownCheck")->click();
        dialog.ShowPage(1);
        QLineEdit *filterTitle = Widget<QComboBox>(dialog, "filterCombo")->lineEdit();
        filterTitle->setText(QString());
        QTest::sendKeyEvent(QTest::Click, filterTitle, Qt::Key_unknown, QStringLiteral("文書"),
                            Qt::NoModifier);
        Widget<QLineEdit>(dialog, "patternEdit")->setText(QStringLiteral("*.txt"));
        dialog.accept();
    });
    EXPECT_FALSE(interactiveWhileOpen);
    EXPECT_TRUE(window->IsInteractive());

    CSelectionPane &pane = window->Selection();
    EXPECT_TRUE(pane.List()->FullRowSelect());
    EXPECT_EQ(pane.SortDirection(), -1);
    EXPECT_EQ(window->Env().Filters[0].Title, "文書");
    // Listed again through the changed filter, names shown in upper case.
    EXPECT_EQ(pane.Rows().FindName("a.jpg"), -1);
    const int row = pane.Rows().FindName("b.txt");
    ASSERT_GE(row, 0);
    EXPECT_EQ(pane.Rows().CellText(row, 0), QStringLiteral("B.TXT"));
}

TEST_F(SettingsFromWindowTest, CancelKeepsTheWindowsSettingsButTheFirstPage)
{
    RunSettings([](CSettingsDlg &dialog) {
        dialog.ShowPage(0);
        Widget<CChoiceGroup>(dialog, "charChoice")->Choice(2)->click();
        dialog.ShowPage(3);
        ClickButton(&dialog, QStringLiteral("起動時に最初に表示"));
        dialog.reject();
    });
    EXPECT_EQ(window->Env().FileCharMode, 0);
    EXPECT_EQ(window->Env().FirstCustom, 3);
}

} // namespace
