// The free filter dialog: the record and history it opens with, what OK and
// Cancel store, and the extensions picked for its pattern.
#include "ui/dialogs/FreeFilterDlg.h"
#include "FileTypeTesting.h"
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "app/EnvSettings.h"
#include "platform/HistoryList.h"
#include "platform/RegistryStore.h"
#include "ui/dialogs/FileTypeDlg.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;

namespace {

FilterRecord SampleRecord()
{
    FilterRecord record;
    record.Title = "任意フィルタ";
    record.Filter = "*.txt";
    record.IsHideDir = 1;
    record.IsNoHidden = 1;
    return record;
}

std::vector<std::string> FreeFilterHistory()
{
    return platform::LoadHistory("History", "FreeFilter");
}

TEST(FreeFilterDlgTest, OpensWithTheRecordAndItsHistory)
{
    IsolatedUserDirs dirs;
    platform::SaveHistory("History", "FreeFilter", {"*.jpg", "*.png"});
    CFreeFilterDlg dialog(SampleRecord());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("任意フィルタ"));
    auto *pattern = Widget<CHistoryComboBox>(dialog, "pattern");
    EXPECT_EQ(pattern->CurrentText(), "*.txt");
    EXPECT_EQ(pattern->Entries(), (std::vector<std::string>{"*.jpg", "*.png"}));
    EXPECT_TRUE(dialog.findChild<QCheckBox *>("hideDir")->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox *>("noHidden")->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox *>("noReadOnly")->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox *>("noSystem")->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox *>("noArchive")->isChecked());
}

TEST(FreeFilterDlgTest, MainWindowTakesNoDragsWhileItIsOpen)
{
    IsolatedUserDirs dirs;
    HostDialog host;
    bool interactiveWhileOpen = true;
    WhenModalOpens([&](QWidget *modal) {
        interactiveWhileOpen = host.interactive;
        ClickButton(modal, QStringLiteral("cancelButton"));
    });
    {
        CFreeFilterDlg dialog(SampleRecord(), &host);
        dialog.exec();
    }
    EXPECT_FALSE(interactiveWhileOpen);
    EXPECT_TRUE(host.interactive);
}

TEST(FreeFilterDlgTest, OkStoresTheFreeFilterAtOnceAndRecordsTheHistory)
{
    IsolatedUserDirs dirs;
    CFreeFilterDlg dialog(SampleRecord());
    Widget<CHistoryComboBox>(dialog, "pattern")->SetCurrentText("*.jpg;*.png");
    dialog.findChild<QCheckBox *>("hideDir")->setChecked(false);
    dialog.findChild<QCheckBox *>("noSystem")->setChecked(true);
    dialog.findChild<QPushButton *>("okButton")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const FilterRecord &record = dialog.Record();
    EXPECT_EQ(record.Filter, "*.jpg;*.png");
    EXPECT_EQ(record.IsHideDir, 0);
    EXPECT_EQ(record.IsNoHidden, 1);
    EXPECT_EQ(record.IsNoSystem, 1);

    CRegistryStore store;
    store.Open("Environment");
    EXPECT_EQ(store.QueryString("Filter.5.Filter"), std::optional<std::string>("*.jpg;*.png"));
    EXPECT_EQ(store.QueryDword("Filter.5.IsHideDir"), std::optional<std::int32_t>(0));
    EXPECT_EQ(store.QueryDword("Filter.5.IsNoHidden"), std::optional<std::int32_t>(1));
    EXPECT_EQ(store.QueryDword("Filter.5.IsNoSystem"), std::optional<std::int32_t>(1));
    EXPECT_EQ(store.QueryDword("Filter.5.IsNoReadOnly"), std::optional<std::int32_t>(0));
    EXPECT_EQ(store.QueryDword("Filter.5.IsNoArchive"), std::optional<std::int32_t>(0));
    EXPECT_EQ(FreeFilterHistory(), (std::vector<std::string>{"*.jpg;*.png"}));
}

TEST(FreeFilterDlgTest, CancelKeepsTheFilterButRecordsTheTypedText)
{
    IsolatedUserDirs dirs;
    CEnvSettings env;
    env.Filters[CEnvSettings::kFreeFilterIndex] = SampleRecord();
    env.SaveFreeFilter();
    platform::SaveHistory("History", "FreeFilter", {"*.txt"});

    CFreeFilterDlg dialog(SampleRecord());
    Widget<CHistoryComboBox>(dialog, "pattern")->SetCurrentText("*.mp3");
    dialog.findChild<QCheckBox *>("noArchive")->setChecked(true);
    dialog.reject(); // the Escape key and 中止 end here

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Record().Filter, "*.txt");
    EXPECT_EQ(dialog.Record().IsNoArchive, 0);
    CRegistryStore store;
    store.Open("Environment");
    EXPECT_EQ(store.QueryString("Filter.5.Filter"), std::optional<std::string>("*.txt"));
    EXPECT_EQ(store.QueryDword("Filter.5.IsNoArchive"), std::optional<std::int32_t>(0));
    EXPECT_EQ(FreeFilterHistory(), (std::vector<std::string>{"*.mp3", "*.txt"}));
}

TEST(FreeFilterDlgTest, PickedExtensionsAreAppendedToThePattern)
{
    IsolatedUserDirs dirs;
    CFreeFilterDlg dialog(SampleRecord());
    WhenModalOpens([](QWidget *modal) {
        auto *picker = qobject_cast<CFileTypeDlg *>(modal);
        ASSERT_NE(picker, nullptr);
        EXPECT_TRUE(picker->MultiSelect());
        QTreeWidget *list = Widget<QTreeWidget>(*picker, "typeList");
        picker->SortByColumn(1);
        list->clearSelection();
        FindExtension(list, QStringLiteral("png"))->setSelected(true);
        FindExtension(list, QStringLiteral("jpg"))->setSelected(true);
        Widget<QPushButton>(*picker, "selectButton")->click();
    });
    auto *pattern = Widget<CHistoryComboBox>(dialog, "pattern");
    dialog.findChild<QPushButton *>("browseExtensions")->click();
    EXPECT_EQ(pattern->CurrentText(), "*.txt;*.jpg;*.png");

    // Cancel in the picker leaves the pattern alone.
    WhenModalOpens([](QWidget *modal) { modal->close(); });
    dialog.findChild<QPushButton *>("browseExtensions")->click();
    EXPECT_EQ(pattern->CurrentText(), "*.txt;*.jpg;*.png");
}

} // namespace
