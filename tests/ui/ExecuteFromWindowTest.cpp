#include "support/TempDir.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/CommandBar.h"
#include "ui/main/MainDlg.h"
#include "ui/main/ModeArea.h"
#include "ui/main/PaneSplitter.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/ImageButton.h"

#include "FindWidget.h"
#include "ModalTesting.h"
#include "app/EnvSettings.h"
#include "exec/Run.h"
#include "ui/dialogs/ListPosDlg.h"
#include "ui/dialogs/ResultDlg.h"
#include "ui/panels/ModePanel.h"
#include "ui/panels/NumberField.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/SpinEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using testing_support::Exists;
using testing_support::IsolatedUserDirs;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

// Presses the accepting button of a message box (OK or Yes) or the refusing one.
void AnswerBox(QWidget *modal, bool accept)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    ASSERT_NE(box, nullptr);
    for (QAbstractButton *button : box->buttons()) {
        const QMessageBox::ButtonRole role = box->buttonRole(button);
        if ((role == QMessageBox::AcceptRole || role == QMessageBox::YesRole) == accept) {
            button->click();
            return;
        }
    }
}

class ExecuteFromWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
            dir.write(name, name);
        dir.mkdir("folder");
    }

    // askFirst, showLog: IsAsk and IsDispLog of the environment.
    std::unique_ptr<CMainDlg> Open(bool askFirst = false, bool showLog = false)
    {
        CEnvSettings env;
        env.Load();
        env.IsAsk = askFirst ? 1 : 0;
        env.IsDispLog = showLog ? 1 : 0;
        env.Save("All");
        auto window = std::make_unique<CMainDlg>(std::vector<std::string>{dir.path()});
        window->Selection().WaitForListing();
        window->SetQuestionFunction([this](QWidget *, QMessageBox::Icon, const QString &caption,
                                           const QString &text, QMessageBox::StandardButtons) {
            asked.push_back(caption + QStringLiteral("|") + text);
            return answer;
        });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    // The prefix field of the renumber panel, with the change delivered.
    static void SetPrefix(CMainDlg &w, const std::string &prefix)
    {
        auto combos = w.Modes().Panel()->findChildren<CHistoryComboBox *>(Qt::FindDirectChildrenOnly);
        ASSERT_FALSE(combos.empty());
        combos[0]->SetCurrentText(prefix);
        QApplication::processEvents();
    }

    static std::string NewName(CMainDlg &w, int row)
    {
        return w.Candidates().Rows().CellText(row, 1).toStdString();
    }

    static void AddFiles(CMainDlg &w, const std::vector<std::string> &names)
    {
        std::vector<int> rows;
        for (const std::string &name : names)
            rows.push_back(w.Selection().Rows().FindName(name));
        w.Selection().List()->SetSelectedRows(rows);
        w.AddSelected();
    }

    IsolatedUserDirs user;
    TempDir dir;
    std::vector<QString> asked;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

TEST_F(ExecuteFromWindowTest, RenumberRunShowsItsLogAndUndoBringsTheNamesBack)
{
    auto w = Open(true, true);
    ASSERT_NE(w->Modes().Panel(), nullptr) << "renumbering has its panel";
    w->AddAll();
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 3) << "the folder is not a file";
    EXPECT_FALSE(w->Candidates().ListButton(4)->isEnabled()) << "nothing selected, nothing to move";
    EXPECT_TRUE(w->Commands().ExecuteButton()->isEnabled());

    SetPrefix(*w, "photo_");
    EXPECT_EQ(NewName(*w, 0), "photo_001.jpg") << "a panel change reaches the preview";

    QString confirmation;
    std::vector<QString> logRows;
    WhenModalOpens([&](QWidget *modal) {
        confirmation = qobject_cast<QMessageBox *>(modal)->text();
        WhenModalOpens([&](QWidget *log) {
            auto *list = log->findChild<QTreeView *>();
            for (int row = 0; row < list->model()->rowCount(); ++row)
                logRows.push_back(list->model()->index(row, 0).data().toString() + QStringLiteral(">") +
                                  list->model()->index(row, 1).data().toString());
            qobject_cast<QDialog *>(log)->reject();
        });
        AnswerBox(modal, true);
    });
    w->Execute();
    w->Selection().WaitForListing();
    EXPECT_TRUE(confirmation.startsWith(QStringLiteral("3個のファイルが選択されています。")));
    EXPECT_EQ(logRows.size(), 3u);
    ASSERT_FALSE(logRows.empty());
    EXPECT_TRUE(logRows[0].contains(QStringLiteral("a.jpg"))) << logRows[0].toStdString();
    EXPECT_TRUE(logRows[0].contains(QStringLiteral("photo_001.jpg"))) << logRows[0].toStdString();
    EXPECT_EQ(ReadFile(dir.file("photo_003.jpg")), "c.jpg");
    EXPECT_FALSE(Exists(dir.file("a.jpg")));
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 0) << "the list is emptied after the run";
    EXPECT_GE(w->Selection().Rows().FindName("photo_002.jpg"), 0) << "the directory is read again";
    ASSERT_TRUE(w->Commands().UndoButton()->isEnabled());

    WhenModalOpens([](QWidget *modal) { AnswerBox(modal, true); });
    w->Undo();
    w->Selection().WaitForListing();
    EXPECT_EQ(ReadFile(dir.file("a.jpg")), "a.jpg");
    EXPECT_FALSE(Exists(dir.file("photo_001.jpg")));
    EXPECT_FALSE(w->Commands().UndoButton()->isEnabled()) << "no run is left to take back";
    EXPECT_GE(w->Selection().Rows().FindName("b.jpg"), 0);
}

TEST_F(ExecuteFromWindowTest, OverwriteQuestionAnsweredNoKeepsTheFileAndYesReplacesIt)
{
    dir.write("x001.jpg", "old");
    auto w = Open();
    AddFiles(*w, {"a.jpg"});
    SetPrefix(*w, "x");
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->Candidates().MarksCurrent(); }))
        << "the marks follow the change";
    EXPECT_EQ(w->Candidates().Rows().Mark(0), exec::PlanProblem::ExistingTarget) << "the preview warns first";

    bool askedOverwrite = false;
    WhenModalOpens([&](QWidget *modal) {
        askedOverwrite = true;
        ClickButton(modal, QStringLiteral("いいえ（&N）"));
    });
    w->Execute();
    w->Selection().WaitForListing();
    EXPECT_TRUE(askedOverwrite);
    EXPECT_EQ(ReadFile(dir.file("a.jpg")), "a.jpg") << "いいえ puts the file back under its old name";
    EXPECT_EQ(ReadFile(dir.file("x001.jpg")), "old");

    AddFiles(*w, {"a.jpg"});
    WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("はい（&Y）")); });
    w->Execute();
    w->Selection().WaitForListing();
    EXPECT_EQ(ReadFile(dir.file("x001.jpg")), "a.jpg");
    EXPECT_FALSE(Exists(dir.file("a.jpg")));
}

TEST_F(ExecuteFromWindowTest, KeysRunTheListCommandsAndUndoNamesWhatItLeftAlone)
{
    auto w = Open();
    w->Selection().List()->CurrentView()->setFocus();
    QTest::keyClick(w->Selection().List()->CurrentView(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 3) << "Ctrl+W adds all";
    w->Execute();
    w->Selection().WaitForListing();
    ASSERT_TRUE(Exists(dir.file("001.jpg")));

    // Someone else's file now bears a renamed name: undo must not move it.
    // Made beside it first, so it cannot reuse the renamed file's inode.
    std::rename(dir.write("other", "someone else's").c_str(), dir.file("001.jpg").c_str());
    WhenModalOpens([](QWidget *modal) { AnswerBox(modal, true); });
    QTest::keyClick(w->Selection().List()->CurrentView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ReadFile(dir.file("b.jpg")), "b.jpg") << "the others come back";
    EXPECT_EQ(ReadFile(dir.file("001.jpg")), "someone else's");
    EXPECT_FALSE(Exists(dir.file("a.jpg")));
    ASSERT_EQ(asked.size(), 1u) << "the failures are shown in one message";
    EXPECT_TRUE(asked[0].contains(QString::fromStdString(dir.file("001.jpg")))) << asked[0].toStdString();
}

TEST_F(ExecuteFromWindowTest, MovingNeedsADestinationAndCreatesAMissingOne)
{
    auto w = Open();
    AddFiles(*w, {"a.jpg", "b.jpg"});
    auto *output = Widget<QComboBox>(*w, "outputCombo");
    output->setCurrentIndex(1);
    emit output->activated(1);
    EXPECT_FALSE(w->Commands().ExecuteButton()->isEnabled()) << "no destination yet";
    QString refusal;
    WhenModalOpens([&](QWidget *modal) {
        refusal = qobject_cast<QMessageBox *>(modal)->text();
        AnswerBox(modal, true);
    });
    w->Execute();
    EXPECT_EQ(refusal,
              QString::fromStdString(CRenameSettings().StartProblemMessage(StartProblem::NoDestination)))
        << "an empty destination is refused with a message";
    EXPECT_TRUE(Exists(dir.file("a.jpg")));

    const std::string target = dir.path() + "/new/deeper";
    w->Candidates().DestinationCombo()->SetCurrentText(target);
    QApplication::processEvents();
    QString question;
    WhenModalOpens([&](QWidget *modal) {
        question = qobject_cast<QMessageBox *>(modal)->text();
        AnswerBox(modal, true);
    });
    w->Execute();
    w->Selection().WaitForListing();
    EXPECT_TRUE(question.contains(QStringLiteral("存在しません"))) << question.toStdString();
    EXPECT_EQ(ReadFile(target + "/001.jpg"), "a.jpg");
    EXPECT_EQ(ReadFile(target + "/002.jpg"), "b.jpg");
    EXPECT_FALSE(Exists(dir.file("a.jpg")));
}

TEST_F(ExecuteFromWindowTest, IncrementAdvancesTheStartShownInThePanel)
{
    auto w = Open();
    w->Modes().Panel()->findChildren<QCheckBox *>().back()->click(); // 開始値加算
    QApplication::processEvents();
    ASSERT_TRUE(w->Settings().IsIncrement);
    w->AddAll();
    w->Candidates().InsertDummies(); // nothing selected: no placeholder
    w->Candidates().List()->SetSelectedRows({0});
    w->Candidates().InsertDummies();
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 4);
    w->Execute();
    w->Selection().WaitForListing();
    EXPECT_EQ(ReadFile(dir.file("003.jpg")), "b.jpg") << "the placeholder took number 2";
    EXPECT_EQ(w->Settings().NumberStart, 5) << "four rows, placeholder included";
    EXPECT_EQ(w->Modes().Panel()->findChild<CNumberField *>()->Text(), QStringLiteral("5"));
}

TEST_F(ExecuteFromWindowTest, CandidateEditingFromTheWindow)
{
    auto w = Open();
    AddFiles(*w, {"a.jpg", "b.jpg"});
    AddFiles(*w, {"b.jpg", "c.jpg", "folder"});
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 3) << "no path twice, no folder among files";

    // The position dialog: row 0 to the line below the last row.
    w->Candidates().List()->SetSelectedRows({0});
    WhenModalOpens([](QWidget *modal) {
        modal->findChild<CSpinEdit *>("position")->SetText("3");
        qobject_cast<QDialog *>(modal)->accept();
    });
    w->Candidates().MoveToPosition();
    EXPECT_EQ(w->Candidates().Rows().Entry(2).fileName, "a.jpg");
    EXPECT_TRUE(w->Candidates().List()->IsRowSelected(2));

    // A drag that drops on the first line.
    emit w->Candidates().List()->ReorderFinished(0);
    EXPECT_EQ(w->Candidates().Rows().Entry(0).fileName, "a.jpg");
    emit w->Candidates().List()->ReorderFinished(-1);
    EXPECT_EQ(w->Candidates().Rows().Entry(0).fileName, "a.jpg") << "a drag without a target changes nothing";

    // Ctrl+R inverts the selection, the remove button takes the rows out.
    w->activateWindow(); // the dialog took the activation with it
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->Candidates().List()->CurrentView()->setFocus();
    QTest::keyClick(w->Candidates().List()->CurrentView(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(w->Candidates().List()->SelectedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(w->Candidates().ListButton(3)->toolTip(), QStringLiteral("取消"))
        << "the add button removes now";
    static_cast<QAbstractButton *>(w->Candidates().ListButton(3))->click();
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 1);

    // Header clicks: the new-name column cannot be ordered.
    AddFiles(*w, {"c.jpg", "b.jpg"});
    w->Candidates().SortByColumn(0);
    EXPECT_EQ(w->Candidates().Rows().Entry(0).fileName, "c.jpg")
        << "the first click on column 0 sorts descending";

    // Another object kind clears the list after the question.
    answer = QMessageBox::Yes;
    w->ChangeObjectKind(ObjectKind::Folders);
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 0);
    ASSERT_EQ(asked.size(), 1u);
    AddFiles(*w, {"folder", "a.jpg"});
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 1) << "folders only now";
}

TEST_F(ExecuteFromWindowTest, FoldersAreRenamedInPlaceAndCanBeUndone)
{
    auto w = Open();
    w->ChangeObjectKind(ObjectKind::Folders);
    EXPECT_TRUE(asked.empty()) << "an empty list changes kind without a question";
    w->AddAll();
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 1);
    SetPrefix(*w, "album");
    EXPECT_EQ(NewName(*w, 0), "album001") << "the preview shows the name the folder gets";
    w->Execute();
    w->Selection().WaitForListing();
    EXPECT_TRUE(Exists(dir.file("album001")));
    EXPECT_FALSE(Exists(dir.file("folder")));
    ASSERT_TRUE(w->Commands().UndoButton()->isEnabled());
    WhenModalOpens([](QWidget *modal) { AnswerBox(modal, true); });
    w->Undo();
    EXPECT_TRUE(Exists(dir.file("folder")));
}

// 履歴… lists the runs of the history, newest first, and takes back the one
// selected there, an older one included.
TEST_F(ExecuteFromWindowTest, TheHistoryListsTheRunsAndTakesBackTheSelectedOne)
{
    auto w = Open();
    AddFiles(*w, {"a.jpg"});
    SetPrefix(*w, "p_");
    w->Execute();
    w->Selection().WaitForListing();
    AddFiles(*w, {"b.jpg"});
    SetPrefix(*w, "q_");
    w->Execute();
    w->Selection().WaitForListing();
    ASSERT_FALSE(Exists(dir.file("a.jpg")));
    ASSERT_FALSE(Exists(dir.file("b.jpg")));

    QStringList before, after;
    WhenModalOpens([&](QWidget *dialog) {
        auto *list = Widget<QTreeWidget>(*dialog, "historyList");
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            before.push_back(list->topLevelItem(row)->text(0) + QStringLiteral(" ") +
                             list->topLevelItem(row)->text(5));
        list->setCurrentItem(list->topLevelItem(1));
        WhenModalOpens([](QWidget *box) { AnswerBox(box, true); });
        Widget<QPushButton>(*dialog, "undoRun")->click();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            after.push_back(list->topLevelItem(row)->text(0));
        qobject_cast<QDialog *>(dialog)->reject();
    });
    w->ShowHistory();
    EXPECT_EQ(before, (QStringList{QStringLiteral("2 はい"), QStringLiteral("1 はい")}));
    EXPECT_EQ(after, QStringList{QStringLiteral("2")});
    EXPECT_EQ(ReadFile(dir.file("a.jpg")), "a.jpg") << "the older run was taken back";
    EXPECT_FALSE(Exists(dir.file("b.jpg")));
    EXPECT_TRUE(w->Commands().UndoButton()->isEnabled()) << "the newer run is still there";
}

TEST_F(ExecuteFromWindowTest, CtrlShortcutsTypedInThePanelActOnTheWindow)
{
    auto w = Open(true);
    w->AddAll();
    QWidget *field = w->Modes().Panel()->findChild<CNumberField *>();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_D, Qt::ControlModifier);
    QApplication::processEvents(); // the panel hands the key on from the event loop
    EXPECT_TRUE(w->Candidates().List()->isAncestorOf(QApplication::focusWidget()));

    field->setFocus();
    bool confirmationShown = false;
    WhenModalOpens([&](QWidget *modal) {
        confirmationShown = true;
        AnswerBox(modal, false);
    });
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(confirmationShown);
    EXPECT_TRUE(Exists(dir.file("a.jpg"))) << "cancelled";
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 3);
}

TEST_F(ExecuteFromWindowTest, ModesShowTheirPreviewAndNumberedDirectoriesFillTheList)
{
    auto w = Open();
    w->AddAll();
    w->ChangeMode(RenameKind::OldName);
    ASSERT_NE(w->Modes().Panel(), nullptr);
    EXPECT_EQ(NewName(*w, 0), "a.jpg");
    EXPECT_EQ(w->Candidates().List()->ColumnCount(), 4);

    w->ChangeMode(RenameKind::NumberedDirectories);
    ASSERT_NE(w->Modes().Panel(), nullptr);
    QApplication::processEvents(); // the panel reports its values
    EXPECT_EQ(w->Candidates().List()->ColumnCount(), 3);
    EXPECT_EQ(w->Candidates().Rows().RowCount(), w->Settings().NumDirCount);
    EXPECT_EQ(w->Candidates().Rows().CellText(0, 0).toStdString(), w->Settings().GetNumberedDirName(0));
}

TEST_F(ExecuteFromWindowTest, NumberedDirectoriesKeepTheirRowsAndShowInTheSelectionList)
{
    auto w = Open(false, true);
    w->ChangeMode(RenameKind::NumberedDirectories);
    const std::string first = w->Settings().GetNumberedDirName(0);
    ASSERT_FALSE(first.empty());
    const int rows = w->Candidates().Rows().RowCount();
    bool logShown = false;
    WhenModalOpens([&](QWidget *modal) {
        logShown = qobject_cast<CResultDlg *>(modal) != nullptr;
        ClickButton(modal, QStringLiteral("確　認"));
    });
    w->Execute();
    w->Selection().WaitForListing();
    EXPECT_TRUE(logShown);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file(first)));
    EXPECT_GE(w->Selection().Rows().FindName(first), 0) << "the selection list is read again";
    EXPECT_EQ(w->Candidates().Rows().RowCount(), rows) << "the placeholders stay";
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return w->Candidates().Rows().Mark(0) == exec::PlanProblem::NameExists;
    })) << "a folder made by the run is marked as there already";
}

TEST_F(ExecuteFromWindowTest, ConcatenationWithoutAnOutputFileSaysSoAndWritesNothing)
{
    auto w = Open(true);
    w->ChangeMode(RenameKind::Concatenation);
    AddFiles(*w, {"a.jpg", "b.jpg"});
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 2);
    ASSERT_TRUE(w->Settings().OutputFile.empty());
    EXPECT_FALSE(w->Commands().ExecuteButton()->isEnabled());
    QString message;
    WhenModalOpens([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        message = box->text();
        box->accept();
    });
    w->Execute();
    EXPECT_EQ(message,
              QString::fromStdString(CRenameSettings().StartProblemMessage(StartProblem::NoOutputFile)));
    EXPECT_EQ(ReadFile(dir.file("a.jpg")), "a.jpg");
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 2);
}

} // namespace
