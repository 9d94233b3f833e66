// The history editing page: deleting lines and what it stores on update.
#include "ui/settings/HistoryPage.h"
#include "ModalTesting.h"
#include "support/StoreContents.h"
#include "support/TempDir.h"

#include "platform/HistoryList.h"
#include "platform/RegistryStore.h"

#include <QComboBox>
#include <QListWidget>
#include <gtest/gtest.h>

#include <string>

using testing_support::IsolatedUserDirs;
using testing_support::ReadFile;

namespace {

class HistoryPageTest : public ::testing::Test {
protected:
    IsolatedUserDirs dirs;
};

TEST_F(HistoryPageTest, DeletesCheckedLinesAndStoresThemOnUpdate)
{
    platform::SaveHistory("History", "RenumStr1", {"e0", "e1", "e2", "e3", "e4"});
    CHistoryPage page(nullptr);
    auto *lines = page.findChild<QListWidget *>("lines");
    page.findChild<QComboBox *>("item")->setCurrentIndex(4);
    ASSERT_EQ(lines->count(), 5);

    lines->item(1)->setCheckState(Qt::Checked);
    lines->item(2)->setCheckState(Qt::Checked);
    ClickButton(&page, QStringLiteral("削除"));
    EXPECT_FALSE(page.Changed());

    MessageAnswer notice(QMessageBox::Ok);
    ClickButton(&page, QStringLiteral("更新"));
    EXPECT_EQ(notice.text, QStringLiteral("履歴の編集結果を更新しました。"));
    EXPECT_EQ(platform::LoadHistory("History", "RenumStr1"), (platform::HistoryEntries{"e0", "e3", "e4"}));
    EXPECT_TRUE(page.Changed());
}

TEST_F(HistoryPageTest, DeletingAllThenUpdatingStoresNineteenEmptyLists)
{
    platform::SaveHistory("Environment", "CopyDirectory", {"/x"});
    platform::SaveHistory("History", "ExportStrF", {"kept"});
    CHistoryPage page(nullptr);
    {
        MessageAnswer question(QMessageBox::Yes);
        ClickButton(&page, QStringLiteral("全履歴削除"));
        EXPECT_EQ(question.title, QStringLiteral("履歴削除"));
    }
    MessageAnswer notice(QMessageBox::Ok);
    ClickButton(&page, QStringLiteral("更新"));

    auto stored = testing_support::StoredValuesOfKey("History");
    const auto environment = testing_support::StoredValuesOfKey("Environment");
    stored.insert(environment.begin(), environment.end());
    int emptyLists = 0;
    for (const auto &[name, value] : stored) {
        if (name == "ExportStrF")
            continue;
        EXPECT_EQ(value.bytes, "\xFF") << name;
        ++emptyLists;
    }
    EXPECT_EQ(emptyLists, 19);
    // Histories that the page does not offer stay as they were.
    EXPECT_EQ(platform::LoadHistory("History", "ExportStrF"), platform::HistoryEntries{"kept"});
}

TEST_F(HistoryPageTest, DeletingAllWithoutUpdateStoresNothing)
{
    platform::SaveHistory("History", "FormatStr", {"$n"});
    const std::string before = ReadFile(CRegistryStore::FilePath());
    {
        CHistoryPage page(nullptr);
        page.findChild<QComboBox *>("item")->setCurrentIndex(14);
        auto *lines = page.findChild<QListWidget *>("lines");
        MessageAnswer agreed(QMessageBox::Yes);
        ClickButton(&page, QStringLiteral("全履歴削除"));
        EXPECT_EQ(lines->count(), 0);
        EXPECT_FALSE(page.Changed());
    }
    EXPECT_EQ(ReadFile(CRegistryStore::FilePath()), before);
}

} // namespace
