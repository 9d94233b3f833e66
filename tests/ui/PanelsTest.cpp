// The mode panels as the main window sees them: what they show, what the
// main window reads back, when they report changes, their histories and the
// keys typed inside them.
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "engine/RenameSettings.h"
#include "platform/HistoryList.h"
#include "ui/dialogs/FileTypeDlg.h"
#include "ui/panels/CharKindPanel.h"
#include "ui/panels/InsertPanel.h"
#include "ui/panels/NumberField.h"
#include "ui/panels/OrgNamePanel.h"
#include "ui/panels/PanelFactory.h"
#include "ui/panels/RangeReplacePanel.h"
#include "ui/panels/RenumPanel.h"
#include "ui/panels/ReplacePanel.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/ModalGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

void LoseFocus(QWidget *widget)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &event);
}

// The panel's history combos in the order they were made.
std::vector<CHistoryComboBox *> Combos(CModePanel &panel)
{
    const auto combos = panel.findChildren<CHistoryComboBox *>(Qt::FindDirectChildrenOnly);
    return {combos.begin(), combos.end()};
}

QCheckBox *Check(CModePanel &panel, const QString &text)
{
    for (QCheckBox *box : panel.findChildren<QCheckBox *>()) {
        if (box->text() == text)
            return box;
    }
    return nullptr;
}

} // namespace

TEST(NumberFieldTest, TypedValuesAreHeldWithinTheLimits)
{
    CNumberField field(0, 999999, "1");
    field.SetText("");
    QTest::keyClicks(&field, "1234567");
    EXPECT_EQ(field.Text(), "999999");

    field.SetText("");
    QTest::keyClicks(&field, "-");
    EXPECT_EQ(field.Text(), "-") << "a lone sign is not yet below the limit";
    QTest::keyClicks(&field, "5");
    EXPECT_EQ(field.Text(), "0");
    EXPECT_EQ(field.Value(), 0);

    field.SetText("99999999999999999999");
    EXPECT_EQ(field.Text(), "999999") << "an overlong number saturates instead of wrapping";
}

TEST(NumberFieldTest, LeavingTheFieldRestoresTheDefaultAndNormalisesTheText)
{
    CNumberField field(0, 999999, "1");
    field.SetText("");
    EXPECT_EQ(field.Value(), 0) << "an empty field reads as 0";
    LoseFocus(&field);
    EXPECT_EQ(field.Text(), "1");

    field.SetText("007");
    LoseFocus(&field);
    EXPECT_EQ(field.Text(), "7");
    field.SetText("12abc");
    EXPECT_EQ(field.Value(), 12);
    LoseFocus(&field);
    EXPECT_EQ(field.Text(), "12");
}

TEST(NumberFieldTest, SpinStepsAddToTheValueAndReportEachChange)
{
    CNumberField field(0, 999999, "1");
    field.SetText("007");
    QSignalSpy edited(&field, &CNumberField::Edited);
    field.stepBy(1);
    EXPECT_EQ(field.Text(), "8");
    field.stepBy(-10);
    EXPECT_EQ(field.Text(), "0");
    field.SetText("999999");
    field.stepBy(1);
    EXPECT_EQ(field.Text(), "999999");
    EXPECT_GE(edited.count(), 3);
}

class PanelTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    HostDialog window;
    CRenameSettings settings;
};

TEST_F(PanelTest, FactoryMakesThePanelOfEachModeThatHasOne)
{
    std::unique_ptr<CModePanel> renumber(CreateModePanel(RenameKind::Renumber, &window));
    std::unique_ptr<CModePanel> oldName(CreateModePanel(RenameKind::OldName, &window));
    EXPECT_TRUE(dynamic_cast<CRenumPanel *>(renumber.get()));
    EXPECT_TRUE(dynamic_cast<COrgNamePanel *>(oldName.get()));
    std::unique_ptr<CModePanel> charKind(CreateModePanel(RenameKind::CharKind, &window));
    std::unique_ptr<CModePanel> replace(CreateModePanel(RenameKind::Replace, &window));
    std::unique_ptr<CModePanel> rangeReplace(CreateModePanel(RenameKind::RangeReplace, &window));
    std::unique_ptr<CModePanel> insert(CreateModePanel(RenameKind::Insert, &window));
    EXPECT_TRUE(dynamic_cast<CCharKindPanel *>(charKind.get()));
    EXPECT_TRUE(dynamic_cast<CReplacePanel *>(replace.get()));
    EXPECT_TRUE(dynamic_cast<CRangeReplacePanel *>(rangeReplace.get()));
    EXPECT_TRUE(dynamic_cast<CInsertPanel *>(insert.get()));
    for (int stored : {8, 13, -1})
        EXPECT_EQ(CreateModePanel(static_cast<RenameKind>(stored), &window), nullptr)
            << "a value that names no kind";
}

TEST_F(PanelTest, RenumberPanelShowsTheRecordAndIsReadBackIntoIt)
{
    settings.NumberWidth = 4;
    settings.NumberStart = 12;
    settings.NumberStep = 5;
    settings.IsRenumExtensionChange = 1;
    settings.IsIncrement = 1;
    settings.RenumStr1 = "not shown: the history decides";
    CRenumPanel panel(&window);
    panel.SetFromSettings(settings);

    CRenameSettings read;
    panel.ReadInto(read);
    EXPECT_EQ(read.NumberWidth, 4);
    EXPECT_EQ(read.NumberStart, 12);
    EXPECT_EQ(read.NumberStep, 5);
    EXPECT_EQ(read.IsRenumExtensionChange, 1);
    EXPECT_EQ(read.IsIncrement, 1);
    EXPECT_EQ(read.RenumStr1, "") << "an empty history leaves the text field empty";

    Combos(panel)[0]->SetCurrentText("IMG_");
    Combos(panel)[1]->SetCurrentText("_x");
    Combos(panel)[2]->SetCurrentText("jpeg");
    panel.findChild<CNumberField *>()->SetText("");
    panel.ReadInto(read);
    EXPECT_EQ(read.RenumStr1, "IMG_");
    EXPECT_EQ(read.RenumStr2, "_x");
    EXPECT_EQ(read.RenumExtension, "jpeg");
    EXPECT_EQ(read.NumberStart, 0) << "an empty start reads as 0";

    settings.NumberWidth = 25;
    panel.SetFromSettings(settings);
    panel.ReadInto(read);
    EXPECT_EQ(read.NumberWidth, 0) << "a width outside the list selects nothing: no padding";
}

TEST_F(PanelTest, ExtensionCheckEnablesItsFieldAndButton)
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

TEST_F(PanelTest, ChangesAreReportedFromTheEventLoopOncePerBurst)
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

TEST_F(PanelTest, ATypedTextComesBackAsTheNewestHistoryEntry)
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

TEST_F(PanelTest, ReturnAndEscapeInsideAPanelDoNothing)
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

TEST_F(PanelTest, CtrlShortcutsInsideAPanelReachTheMainWindow)
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

TEST_F(PanelTest, ExtensionPickerFillsTheFieldWithTheWindowFlagCleared)
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
        QTreeWidget *list = picker->TypeList();
        ASSERT_GT(list->topLevelItemCount(), 0);
        list->setCurrentItem(list->topLevelItem(0));
        chosen = list->topLevelItem(0)->text(1);
        picker->SelectButton()->click();
    });
    panel->findChild<QPushButton *>()->click();
    EXPECT_FALSE(interactiveWhileOpen);
    EXPECT_TRUE(window.interactive);
    EXPECT_FALSE(chosen.isEmpty());
    EXPECT_EQ(QString::fromStdString(Combos(*panel)[2]->CurrentText()), chosen);
}

TEST(ModalGuardTest, NestedGuardsRestoreTheFlagTheyFound)
{
    HostDialog window;
    QWidget child(&window);
    {
        CModalGuard outer(&child);
        EXPECT_FALSE(window.interactive);
        {
            CModalGuard inner(&window);
            EXPECT_FALSE(window.interactive);
        }
        EXPECT_FALSE(window.interactive) << "the outer modal window is still open";
    }
    EXPECT_TRUE(window.interactive);

    QWidget orphan;
    CModalGuard nothingToGuard(&orphan);
}
