// What every mode panel does for the main window, seen through the
// renumbering and old-name panels: change reports, histories, the keys typed
// inside a panel and the extension field with its picker.
#include "ui/panels/ModePanel.h"
#include "FindWidget.h"
#include "PanelTesting.h"

#include "platform/HistoryList.h"
#include "ui/dialogs/FileTypeDlg.h"
#include "ui/panels/OrgNamePanel.h"
#include "ui/panels/RenumPanel.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class ModePanelTest : public PanelFixture {};

TEST_F(ModePanelTest, ExtensionCheckEnablesItsFieldAndButton)
{
    COrgNamePanel panel(&window);
    panel.SetFromSettings(settings);
    CHistoryComboBox *extension = Combos(panel)[2];
    auto *button = panel.findChild<QPushButton *>();
    EXPECT_FALSE(extension->isEnabled());
    EXPECT_FALSE(button->isEnabled());

    QSignalSpy changed(&panel, &CModePanel::PanelChanged);
    QCoreApplication::processEvents();
    changed.clear();
    Check(panel, QStringLiteral("拡張子"))->click();
    EXPECT_TRUE(extension->isEnabled());
    EXPECT_TRUE(button->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(changed.count(), 1);

    CRenameSettings read;
    panel.ReadInto(read);
    EXPECT_EQ(read.IsOrgExtensionChange, 1);
}

TEST_F(ModePanelTest, ChangesAreReportedFromTheEventLoopOncePerBurst)
{
    CRenumPanel panel(&window);
    QSignalSpy changed(&panel, &CModePanel::PanelChanged);
    panel.SetFromSettings(settings);
    EXPECT_EQ(changed.count(), 0) << "posted, not sent";
    QCoreApplication::processEvents();
    EXPECT_EQ(changed.count(), 1);

    QTest::keyClicks(Combos(panel)[0]->lineEdit(), "abc");
    panel.findChild<CNumberField *>()->stepBy(1);
    EXPECT_EQ(changed.count(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(ModePanelTest, ATypedTextComesBackAsTheNewestHistoryEntry)
{
    {
        CRenumPanel panel(&window);
        panel.SetFromSettings(settings);
        Combos(panel)[0]->SetCurrentText("ABC");
        panel.SaveHistories();
        Combos(panel)[0]->SetCurrentText("abc");
        Combos(panel)[1]->SetCurrentText("");
        panel.SaveHistories();
    }
    CRenumPanel panel(&window);
    panel.SetFromSettings(settings);
    EXPECT_EQ(Combos(panel)[0]->CurrentText(), "abc");
    EXPECT_EQ(Combos(panel)[0]->Entries(), (std::vector<std::string>{"abc"}))
        << "the same text in other case keeps one entry, the last stored";
    EXPECT_EQ(Combos(panel)[1]->Entries(), (std::vector<std::string>{""}))
        << "the panels keep an empty entry";
    EXPECT_EQ(platform::LoadHistory("History", "RenumStr1"), (std::vector<std::string>{"abc"}));
}

TEST_F(ModePanelTest, ReturnAndEscapeInsideAPanelDoNothing)
{
    CRenumPanel *panel = new CRenumPanel(&window);
    panel->SetFromSettings(settings);
    window.show();
    QLineEdit *edit = Combos(*panel)[0]->lineEdit();
    QTest::keyClicks(edit, "x");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(panel->findChild<CNumberField *>(), Qt::Key_Enter);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
    EXPECT_EQ(Combos(*panel)[0]->count(), 0) << "Return adds nothing to the list";
}

TEST_F(ModePanelTest, CtrlShortcutsInsideAPanelReachTheMainWindow)
{
    CRenumPanel *panel = new CRenumPanel(&window);
    panel->SetFromSettings(settings);
    window.show();
    QSignalSpy keys(panel, &CModePanel::ShortcutKey);
    QLineEdit *edit = Combos(*panel)[0]->lineEdit();
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(panel->findChild<CNumberField *>(), Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(keys.count(), 0) << "handed over from the event loop";
    QCoreApplication::processEvents();
    ASSERT_EQ(keys.count(), 3);
    EXPECT_EQ(keys[0][0].toInt(), int(Qt::Key_S));
    EXPECT_EQ(keys[1][0].toInt(), int(Qt::Key_Z));
    EXPECT_EQ(keys[2][0].toInt(), int(Qt::Key_E));
    EXPECT_EQ(edit->text(), "ab") << "Ctrl+Z went to the main window, not to the field's undo";
}

TEST_F(ModePanelTest, ExtensionPickerFillsTheFieldWithTheWindowFlagCleared)
{
    CRenumPanel *panel = new CRenumPanel(&window);
    panel->SetFromSettings(settings);
    Check(*panel, QStringLiteral("拡張子"))->click();
    QString chosen;
    bool interactiveWhileOpen = true;
    WhenModalOpens([&](QWidget *modal) {
        auto *picker = qobject_cast<CFileTypeDlg *>(modal);
        ASSERT_TRUE(picker);
        EXPECT_FALSE(picker->MultiSelect());
        interactiveWhileOpen = window.interactive;
        QTreeWidget *list = Widget<QTreeWidget>(*picker, "typeList");
        ASSERT_GT(list->topLevelItemCount(), 0);
        list->setCurrentItem(list->topLevelItem(0));
        chosen = list->topLevelItem(0)->text(1);
        Widget<QPushButton>(*picker, "selectButton")->click();
    });
    panel->findChild<QPushButton *>()->click();
    EXPECT_FALSE(interactiveWhileOpen);
    EXPECT_TRUE(window.interactive);
    EXPECT_FALSE(chosen.isEmpty());
    EXPECT_EQ(QString::fromStdString(Combos(*panel)[2]->CurrentText()), chosen);
}

} // namespace
