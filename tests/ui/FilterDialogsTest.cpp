// The free filter dialog and the extension picker.
#include "ModalTesting.h"
#include "app/EnvSettings.h"
#include "platform/HistoryList.h"
#include "platform/RegistryStore.h"
#include "support/TempDir.h"
#include "ui/dialogs/ExtensionPattern.h"
#include "ui/dialogs/FileTypeDlg.h"
#include "ui/dialogs/FreeFilterDlg.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <set>

using testing_support::IsolatedUserDirs;

namespace {

std::vector<QString> ColumnTexts(const QTreeWidget *list, int column)
{
    std::vector<QString> texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.push_back(list->topLevelItem(i)->text(column));
    return texts;
}

QTreeWidgetItem *FindExtension(const QTreeWidget *list, const QString &extension)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(1) == extension)
            return list->topLevelItem(i);
    return nullptr;
}

// ---------------------------------------------------------------- patterns

TEST(ExtensionPatternTest, AppendsOnePartPerExtension)
{
    EXPECT_EQ(AppendExtensionPatterns("", {"jpg", "png"}), "*.jpg;*.png");
    EXPECT_EQ(AppendExtensionPatterns("*.txt", {"md"}), "*.txt;*.md");
    EXPECT_EQ(AppendExtensionPatterns("*.txt", {}), "*.txt");
}

TEST(ExtensionPatternTest, SummaryIsCutAfterFortyBytes)
{
    EXPECT_EQ(ExtensionSummary({"jpg", "png"}), "jpg;png");
    // 9 x "abc;" = 36 bytes + "abcd" = exactly 40: not cut.
    std::vector<std::string> exact(9, "abc");
    exact.push_back("abcd");
    EXPECT_EQ(ExtensionSummary(exact), "abc;abc;abc;abc;abc;abc;abc;abc;abc;abcd");
    exact.back() = "abcde";
    EXPECT_EQ(ExtensionSummary(exact), "abc;abc;abc;abc;abc;abc;abc;abc;abc;abcd...");
    // A character is never split: "é" takes bytes 40 and 41.
    const std::string text = std::string(39, 'x') + "é";
    EXPECT_EQ(ExtensionSummary({text}), std::string(39, 'x') + "...");
}

// ---------------------------------------------------------------- extension picker

class FileTypeDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_GT(dialog.TypeList()->topLevelItemCount(), 10); }
    CFileTypeDlg dialog;
};

TEST_F(FileTypeDlgTest, ListsKnownTypesOnceEachSortedByDescription)
{
    const QTreeWidget *list = dialog.TypeList();
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("ファイルタイプ"));
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("拡張子"));
    QTreeWidgetItem *png = FindExtension(list, QStringLiteral("png"));
    ASSERT_NE(png, nullptr);
    EXPECT_FALSE(png->text(0).isEmpty());

    const std::vector<QString> extensions = ColumnTexts(list, 1);
    EXPECT_EQ(std::set<QString>(extensions.begin(), extensions.end()).size(), extensions.size());
    const std::vector<QString> descriptions = ColumnTexts(list, 0);
    for (size_t i = 1; i < descriptions.size(); ++i)
        ASSERT_LE(descriptions[i - 1].compare(descriptions[i], Qt::CaseInsensitive), 0) << i;
}

TEST_F(FileTypeDlgTest, SingleSelectionShowsTheChosenExtension)
{
    // Row 0 starts selected, so "選択" is enabled.
    EXPECT_TRUE(dialog.TypeList()->topLevelItem(0)->isSelected());
    EXPECT_TRUE(dialog.SelectButton()->isEnabled());

    QTreeWidgetItem *png = FindExtension(dialog.TypeList(), QStringLiteral("png"));
    dialog.TypeList()->setCurrentItem(png);
    EXPECT_EQ(dialog.TypeList()->selectedItems().size(), 1);
    EXPECT_EQ(dialog.SummaryLabel()->text(), QStringLiteral("拡張子：png"));

    dialog.TypeList()->clearSelection();
    EXPECT_FALSE(dialog.SelectButton()->isEnabled());
    EXPECT_EQ(dialog.SummaryLabel()->text(), QStringLiteral("拡張子："));
}

TEST_F(FileTypeDlgTest, MultipleSelectionHandsOutExtensionsInListOrder)
{
    dialog.SetMultiSelect(true);
    QTreeWidget *list = dialog.TypeList();
    dialog.SortByColumn(1); // by extension, ascending
    list->clearSelection();
    FindExtension(list, QStringLiteral("txt"))->setSelected(true);
    FindExtension(list, QStringLiteral("png"))->setSelected(true);
    EXPECT_EQ(dialog.SummaryLabel()->text(), QStringLiteral("拡張子：png;txt"));

    dialog.accept();
    EXPECT_EQ(dialog.NextExtension(), "png");
    EXPECT_EQ(dialog.NextExtension(), "txt");
    EXPECT_EQ(dialog.NextExtension(), "");
    EXPECT_EQ(dialog.NextExtension(), "");
}

TEST_F(FileTypeDlgTest, LongSelectionsAreSummarisedInFortyBytes)
{
    dialog.SetMultiSelect(true);
    dialog.TypeList()->selectAll();
    const QString text = dialog.SummaryLabel()->text();
    ASSERT_TRUE(text.endsWith(QStringLiteral("...")));
    EXPECT_EQ(text.toUtf8().size(), QStringLiteral("拡張子：").toUtf8().size() + 40 + 3);
}

TEST_F(FileTypeDlgTest, HeaderClicksSortWithoutRegardToCaseAndReverseOnTheSameColumn)
{
    QTreeWidget *list = dialog.TypeList();
    QHeaderView *header = list->header();
    emit header->sectionClicked(1);
    EXPECT_EQ(dialog.SortColumn(), 1);
    EXPECT_EQ(dialog.SortDirection(), 1);
    std::vector<QString> extensions = ColumnTexts(list, 1);
    for (size_t i = 1; i < extensions.size(); ++i)
        ASSERT_LE(extensions[i - 1].compare(extensions[i], Qt::CaseInsensitive), 0) << i;

    emit header->sectionClicked(1);
    EXPECT_EQ(dialog.SortDirection(), -1);
    extensions = ColumnTexts(list, 1);
    for (size_t i = 1; i < extensions.size(); ++i)
        ASSERT_GE(extensions[i - 1].compare(extensions[i], Qt::CaseInsensitive), 0) << i;

    emit header->sectionClicked(0);
    EXPECT_EQ(dialog.SortColumn(), 0);
    EXPECT_EQ(dialog.SortDirection(), 1);
}

// ---------------------------------------------------------------- free filter

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
    EXPECT_EQ(dialog.PatternCombo()->CurrentText(), "*.txt");
    EXPECT_EQ(dialog.PatternCombo()->Entries(), (std::vector<std::string>{"*.jpg", "*.png"}));
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
    dialog.PatternCombo()->SetCurrentText("*.jpg;*.png");
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
    dialog.PatternCombo()->SetCurrentText("*.mp3");
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
        QTreeWidget *list = picker->TypeList();
        picker->SortByColumn(1);
        list->clearSelection();
        FindExtension(list, QStringLiteral("png"))->setSelected(true);
        FindExtension(list, QStringLiteral("jpg"))->setSelected(true);
        picker->SelectButton()->click();
    });
    dialog.findChild<QPushButton *>("browseExtensions")->click();
    EXPECT_EQ(dialog.PatternCombo()->CurrentText(), "*.txt;*.jpg;*.png");

    // Cancel in the picker leaves the pattern alone.
    WhenModalOpens([](QWidget *modal) { modal->close(); });
    dialog.findChild<QPushButton *>("browseExtensions")->click();
    EXPECT_EQ(dialog.PatternCombo()->CurrentText(), "*.txt;*.jpg;*.png");
}

} // namespace
