// The history combo box: entries without repeats, at most twenty, stored
// with their bytes, and the typed text taking over from the program's.
#include "ui/widgets/HistoryComboBox.h"
#include "platform/HistoryList.h"
#include "support/TempDir.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;

namespace {

std::vector<std::string> Numbered(int count)
{
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back("entry" + std::to_string(i));
    return entries;
}

TEST(HistoryComboBoxTest, AddingTheSameTextInOtherCaseKeepsOneEntryAsJustTyped)
{
    CHistoryComboBox combo;
    combo.SetEntries({"alpha", "beta", "Gamma", "delta"});
    combo.SetCurrentText("GAMMA");
    combo.AddCurrentText(20);
    EXPECT_EQ(combo.Entries(), (std::vector<std::string>{"GAMMA", "alpha", "beta", "delta"}));
    EXPECT_EQ(combo.CurrentText(), "GAMMA");
    EXPECT_EQ(combo.currentIndex(), 0);
}

TEST(HistoryComboBoxTest, PathHistoriesCompareBytesNotCase)
{
    CHistoryComboBox combo;
    combo.SetMatch(platform::HistoryMatch::SamePath);
    combo.SetEntries({"/tmp/Photos", "/tmp/x"});
    combo.SetCurrentText("/tmp/photos");
    combo.AddCurrentText(20);
    EXPECT_EQ(combo.Entries(), (std::vector<std::string>{"/tmp/photos", "/tmp/Photos", "/tmp/x"}));
}

TEST(HistoryComboBoxTest, TwentyFirstTextDropsTheOldestAndDropEmptyRemovesBlankEntries)
{
    CHistoryComboBox combo;
    combo.SetEntries(Numbered(20));
    combo.SetCurrentText("new");
    combo.AddCurrentText(20);
    ASSERT_EQ(combo.count(), 20);
    EXPECT_EQ(combo.Entries().front(), "new");
    EXPECT_EQ(combo.Entries().back(), "entry18");

    CHistoryComboBox directories;
    directories.SetDropEmpty(true);
    directories.SetEntries({"/a", "  ", "/b"});
    directories.SetCurrentText("");
    directories.AddCurrentText(20);
    // The empty text is inserted and removed again; so is nothing else.
    EXPECT_EQ(directories.Entries(), (std::vector<std::string>{"/a", "  ", "/b"}));
    directories.SetCurrentText("/c");
    directories.AddCurrentText(20);
    EXPECT_EQ(directories.Entries(), (std::vector<std::string>{"/c", "/a", "/b"}));
}

TEST(HistoryComboBoxTest, SavesAndLoadsEntriesWithTheirBytes)
{
    IsolatedUserDirs dirs;
    const std::string latin1Name = "/tmp/caf\xe9";
    {
        CHistoryComboBox combo;
        combo.SetEntries({"/home/user", "写真"});
        combo.SetCurrentText(latin1Name);
        combo.SaveHistory("Environment", "CurrentDirectory", 20);
    }
    CHistoryComboBox loaded;
    loaded.LoadHistory("Environment", "CurrentDirectory");
    EXPECT_EQ(loaded.Entries(), (std::vector<std::string>{latin1Name, "/home/user", "写真"}));
    // The edit text shows entry 0 and still stands for its exact bytes.
    EXPECT_EQ(loaded.CurrentText(), latin1Name);
    loaded.setCurrentIndex(2);
    EXPECT_EQ(loaded.CurrentText(), "写真");
    loaded.setCurrentIndex(0);
    EXPECT_EQ(loaded.CurrentText(), latin1Name);

    CHistoryComboBox missing;
    missing.SetEntries({"stale"});
    missing.LoadHistory("History", "NoSuchValue");
    EXPECT_EQ(missing.count(), 0);
    EXPECT_EQ(missing.CurrentText(), "");
}

TEST(HistoryComboBoxTest, TypedTextReplacesTheProgramsTextAndLosingFocusAddsIt)
{
    QWidget window;
    auto *combo = new CHistoryComboBox(&window);
    auto *other = new QLineEdit(&window);
    combo->move(0, 0);
    other->move(0, 40);
    window.show();
    combo->SetEntries({"old"});
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), "typed");
    EXPECT_EQ(combo->CurrentText(), "typed");
    // Focus leaves the combo box (the window may not be active offscreen).
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(combo, &focusOut);
    EXPECT_EQ(combo->Entries(), (std::vector<std::string>{"typed", "old"}));
}

TEST(HistoryComboBoxTest, TrailingSlashIsRemovedOnce)
{
    CHistoryComboBox combo;
    combo.SetCurrentText("/home/user/");
    EXPECT_EQ(combo.GetTextWithoutTrailingBackslash(), "/home/user");
    combo.SetCurrentText("/");
    EXPECT_EQ(combo.GetTextWithoutTrailingBackslash(), "");
    combo.SetCurrentText("/home");
    EXPECT_EQ(combo.GetTextWithoutTrailingBackslash(), "/home");
}

} // namespace
