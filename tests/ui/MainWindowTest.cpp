#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/CommandBar.h"
#include "ui/main/MainDlg.h"
#include "ui/main/ModeArea.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/ImageButton.h"

#include "app/EnvSettings.h"
#include "platform/HistoryList.h"
#include "platform/Paths.h"
#include "platform/RegistryStore.h"
#include "ui/main/MainLayout.h"
#include "ui/main/SplitterBar.h"
#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using testing_support::IsolatedUserDirs;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

// The user picks the row of the mode combo that shows text.
void ActivateModeRow(CMainDlg &w, const QString &text)
{
    QComboBox *combo = Widget<QComboBox>(w, "modeCombo");
    const int row = combo->findText(text);
    ASSERT_GE(row, 0) << text.toStdString();
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

struct Question {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.mkdir("sub/inner");
        dir.mkdir("zeta");
        dir.write("a.txt", "a");
        dir.write("b.txt", "bb");
        file = dir.write("c.jpg", "ccc");
    }

    std::unique_ptr<CMainDlg> Open(const std::vector<std::string> &args)
    {
        auto window = std::make_unique<CMainDlg>(args);
        window->Selection().WaitForListing();
        window->SetQuestionFunction([this](QWidget *, QMessageBox::Icon icon, const QString &caption,
                                           const QString &text, QMessageBox::StandardButtons) {
            asked.push_back({caption, text, icon});
            return answer;
        });
        return window;
    }

    static int RowOf(CMainDlg &w, const std::string &name) { return w.Selection().Rows().FindName(name); }

    static void Select(CMainDlg &w, const std::string &name)
    {
        w.Selection().List()->SetSelectedRows({RowOf(w, name)});
    }

    IsolatedUserDirs user;
    TempDir dir;
    std::string file;
    std::vector<Question> asked;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

TEST_F(MainWindowTest, FirstStartTakesTheDefaultsAndListsTheGivenDirectory)
{
    auto w = Open({dir.path()});
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kestrel"));
    EXPECT_FALSE(testing_support::Exists(CRegistryStore::FilePath())) << "written only at the exit";

    EXPECT_EQ(Widget<QComboBox>(*w, "modeCombo")->count(), 14);
    EXPECT_EQ(Widget<QComboBox>(*w, "modeCombo")->currentIndex(), 0);
    EXPECT_TRUE(w->IsSplit());
    EXPECT_EQ(w->CurrentDirectory(), dir.path());
    EXPECT_EQ(w->Selection().DirectoryCombo()->CurrentText(), dir.path());
    // "..", two folders, three files; folders first.
    ASSERT_EQ(w->Selection().Rows().RowCount(), 6);
    EXPECT_EQ(w->Selection().Rows().Entry(1).fileName, "sub");
    EXPECT_EQ(w->Selection().Rows().Entry(5).fileName, "c.jpg");
    EXPECT_EQ(w->Selection().StatusText(), QStringLiteral(" 6個のオブジェクト（0個を選択)　フィルタ 1"))
        << "the active filter is named";
    EXPECT_EQ(Widget<QCheckBox>(*w, "readOnlyAttrCheck")->text(), QStringLiteral("読みとり専用"));
}

TEST_F(MainWindowTest, LaterStartListsItsFolderAndAddsItsFilesOnceTheWindowTakesInput)
{
    auto w = Open({dir.path()});
    w->show();
    w->SetInteractive(false); // as while a question is open
    w->TakeLaterStart({dir.file("sub"), file});
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 0) << "nothing changes under a question";

    w->SetInteractive(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Candidates().Rows().RowCount() == 1; }, 5000));
    w->Selection().WaitForListing();
    EXPECT_EQ(w->CurrentDirectory(), dir.file("sub"));
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 1);
    EXPECT_EQ(w->Candidates().Rows().Entry(0).fullPath, file);
}

TEST_F(MainWindowTest, HeaderClicksToggleOnlyTheSameColumn)
{
    auto w = Open({dir.path()});
    EXPECT_EQ(w->Selection().SortColumn(), 0);
    EXPECT_EQ(w->Selection().SortDirection(), 1);
    w->Selection().SortByColumn(0);
    EXPECT_EQ(w->Selection().SortDirection(), -1);
    EXPECT_EQ(w->Selection().Rows().Entry(0).fileName, "..") << "whatever the order";
    EXPECT_EQ(w->Selection().Rows().Entry(1).fileName, "c.jpg");
    w->Selection().SortByColumn(1);
    EXPECT_EQ(w->Selection().SortColumn(), 1);
    EXPECT_EQ(w->Selection().SortDirection(), 1);
    w->Selection().SortByColumn(1);
    EXPECT_EQ(w->Selection().SortDirection(), -1);
    EXPECT_EQ(w->Selection().Rows().Entry(1).fileName, "c.jpg"); // the largest file
}

TEST_F(MainWindowTest, EnteringAFolderAndGoingBackReselectsIt)
{
    auto w = Open({dir.path()});
    Select(*w, "sub");
    w->Selection().EnterFolder();
    w->Selection().WaitForListing();
    EXPECT_EQ(w->CurrentDirectory(), dir.file("sub"));
    EXPECT_NE(RowOf(*w, "inner"), -1);

    w->Selection().GoToParent();
    w->Selection().WaitForListing();
    EXPECT_EQ(w->CurrentDirectory(), dir.path());
    EXPECT_EQ(w->Selection().List()->SelectedRows(), std::vector<int>{RowOf(*w, "sub")});
    EXPECT_EQ(w->Selection().List()->CurrentRow(), RowOf(*w, "sub"));
}

TEST_F(MainWindowTest, MissingDirectoryFallsBackToItsNearestAncestor)
{
    auto w = Open({dir.file("sub/gone/deeper")});
    EXPECT_EQ(w->CurrentDirectory(), dir.file("sub"));
    EXPECT_EQ(w->Selection().DirectoryCombo()->CurrentText(), dir.file("sub"));
}

TEST_F(MainWindowTest, KeysSelectByKindAndGoUp)
{
    auto w = Open({dir.file("sub")});
    QWidget *view = w->Selection().List()->CurrentView();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w->Selection().List()->SelectedCount(), 0); // files only, and "sub" has none

    QTest::keyClick(view, Qt::Key_Backspace);
    w->Selection().WaitForListing();
    EXPECT_EQ(w->CurrentDirectory(), dir.path());
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w->Selection().List()->SelectedCount(), 3);
    w->Selection().List()->SetSelectedRows({RowOf(*w, "a.txt"), RowOf(*w, "sub")});
    QTest::keyClick(view, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(w->Selection().List()->SelectedRows(),
              (std::vector<int>{RowOf(*w, "b.txt"), RowOf(*w, "c.jpg")}));

    // Escape never closes the window.
    w->show();
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    w->hide();
}

TEST_F(MainWindowTest, EnterAndTheAddingKeysActOnlyInTheSelectionList)
{
    auto w = Open({dir.path()});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    CHistoryComboBox *directory = w->Selection().DirectoryCombo();
    directory->SetCurrentText(dir.file("sub"));
    directory->lineEdit()->setFocus();
    QTest::keyClick(directory->lineEdit(), Qt::Key_Return);
    w->Selection().WaitForListing();
    EXPECT_TRUE(directory->lineEdit()->hasFocus());
    EXPECT_EQ(w->CurrentDirectory(), dir.path());

    directory->SetCurrentText(dir.path());
    w->Selection().List()->SetSelectedRows({RowOf(*w, "a.txt")});
    for (int key : {Qt::Key_Q, Qt::Key_W})
        QTest::keyClick(Widget<QComboBox>(*w, "modeCombo"), key, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 0);

    QWidget *view = w->Selection().List()->CurrentView();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 1);
    w->hide();
}

TEST_F(MainWindowTest, FilterModeHidesFilesOfTheFreeFilter)
{
    auto w = Open({dir.path()});
    w->Selection().SetFilterMode(CEnvSettings::kNoFilterIndex);
    w->Selection().WaitForListing();
    EXPECT_EQ(w->Selection().Rows().RowCount(), 6);
    EXPECT_EQ(w->Env().FilterMode, CEnvSettings::kNoFilterIndex);
}

TEST_F(MainWindowTest, ModeChangeToConcatenationAnsweredNoDropsOnlyDummies)
{
    auto w = Open({dir.path(), file});
    CFileEntry dummy;
    dummy.isDummy = true;
    w->Candidates().Rows().Append(dummy);
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 2);

    answer = QMessageBox::No;
    w->ChangeMode(RenameKind::Concatenation);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, QStringLiteral("変名モード変更"));
    EXPECT_TRUE(asked[0].text.startsWith(QStringLiteral("【連結】モードに変更されました。")));
    EXPECT_EQ(w->Settings().RenameMode, RenameKind::Concatenation);
    ASSERT_EQ(w->Candidates().Rows().RowCount(), 1);
    EXPECT_EQ(w->Candidates().Rows().Entry(0).fullPath, file);
    // Concatenation works on files: object kind and time stamps are off.
    EXPECT_FALSE(Widget<QAbstractButton>(*w, "filesRadio")->isEnabled());
    EXPECT_FALSE(Widget<QCheckBox>(*w, "unifyAttrCheck")->isEnabled());
}

TEST_F(MainWindowTest, LeavingConcatenationAnsweredCancelKeepsTheMode)
{
    auto w = Open({dir.path(), file});
    answer = QMessageBox::Cancel;
    w->ChangeMode(RenameKind::Concatenation); // Cancel here still changes the mode
    EXPECT_EQ(w->Settings().RenameMode, RenameKind::Concatenation);
    w->ChangeMode(RenameKind::Replace);
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(w->Settings().RenameMode, RenameKind::Concatenation);
    EXPECT_EQ(Widget<QComboBox>(*w, "modeCombo")->currentText(), QStringLiteral("※連結"));
    EXPECT_EQ(Widget<QComboBox>(*w, "modeCombo")->toolTip(), QStringLiteral("※連結"))
        << "a cut mode is named whole";
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 1);

    answer = QMessageBox::Yes;
    w->ChangeMode(RenameKind::Replace);
    EXPECT_EQ(w->Settings().RenameMode, RenameKind::Replace);
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 0);
}

TEST_F(MainWindowTest, LeavingNumberedDirectoriesClearsWithoutAsking)
{
    auto w = Open({dir.path(), file});
    w->ChangeMode(RenameKind::NumberedDirectories);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 1);
    w->ChangeMode(RenameKind::Renumber);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 0);
}

TEST_F(MainWindowTest, SeparatorsAndStoreDefaultsKeepTheMode)
{
    auto w = Open({dir.path()});
    ActivateModeRow(*w, QStringLiteral("連番Dir作成"));
    EXPECT_EQ(w->Settings().RenameMode, RenameKind::NumberedDirectories);
    ActivateModeRow(*w, QStringLiteral("挿入"));
    EXPECT_EQ(w->Settings().RenameMode, RenameKind::Insert);
    ActivateModeRow(*w, QStringLiteral("------------"));
    EXPECT_EQ(w->Settings().RenameMode, RenameKind::Insert);
    EXPECT_EQ(Widget<QComboBox>(*w, "modeCombo")->currentText(), QStringLiteral("挿入"));

    ActivateModeRow(*w, QStringLiteral("■初期値に"));
    EXPECT_EQ(Widget<QComboBox>(*w, "modeCombo")->currentText(), QStringLiteral("挿入"));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, QStringLiteral("変名の初期値を変更しました。"));
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Default", "RenameMode", -1),
              static_cast<int>(RenameKind::Insert));
}

TEST_F(MainWindowTest, ControlStatesFollowOutputObjectKindAndRoot)
{
    auto w = Open({"/"});
    EXPECT_FALSE(Widget<CImageButton>(*w, "parentButton")->isEnabled()); // no parent of the root
    EXPECT_FALSE(w->Candidates().DestinationCombo()->isEnabled());
    Widget<QComboBox>(*w, "outputCombo")->setCurrentIndex(1);
    w->RefreshControlStates();
    EXPECT_TRUE(w->Candidates().DestinationCombo()->isEnabled());
    EXPECT_TRUE(Widget<CImageButton>(*w, "destinationBrowseButton")->isEnabled());

    Widget<QAbstractButton>(*w, "foldersRadio")->click();
    EXPECT_EQ(w->Settings().ObjMode, ObjectKind::Folders);
    EXPECT_FALSE(Widget<QComboBox>(*w, "outputCombo")->isEnabled());
    EXPECT_FALSE(w->Candidates().DestinationCombo()->isEnabled());
    EXPECT_FALSE(Widget<QCheckBox>(*w, "unifyTimeCheck")->isEnabled());
    // Nothing to run, undo or move yet; the viewer and about box are always there.
    const CCommandBar &commands = w->Commands();
    EXPECT_TRUE(commands.ViewerButton()->isEnabled());
    EXPECT_TRUE(Widget<CImageButton>(*w, "aboutButton")->isEnabled());
    for (QWidget *control : std::initializer_list<QWidget *>{
             commands.ExecuteButton(), commands.UndoButton(), w->Candidates().ListButton(0),
             w->Candidates().ListButton(3), w->Candidates().ListButton(8)})
        EXPECT_FALSE(control->isEnabled()) << control->toolTip().toStdString();
}

TEST_F(MainWindowTest, ObjectKindChangeWithCandidatesAsksAndNoKeepsThem)
{
    auto w = Open({dir.path(), file});
    answer = QMessageBox::No;
    Widget<QAbstractButton>(*w, "foldersRadio")->click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, QStringLiteral("対象モード変更"));
    EXPECT_EQ(w->Settings().ObjMode, ObjectKind::Files);
    EXPECT_TRUE(Widget<QAbstractButton>(*w, "filesRadio")->isChecked());
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 1);
}

TEST_F(MainWindowTest, ExitWritesWindowValuesAndHistories)
{
    {
        auto w = Open({dir.path()});
        Select(*w, "sub");
        w->Selection().EnterFolder();
        w->Selection().WaitForListing();
        Widget<QComboBox>(*w, "outputCombo")->setCurrentIndex(2);
        w->Candidates().DestinationCombo()->SetCurrentText(dir.file("zeta"));
        w->ToggleSplit();
        w->Selection().WaitForListing();
        w->Exit();
    }
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Window", "IsSplit", -1), 0);
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Window", "SrcListWidth", -1), 240);
    EXPECT_EQ(CRegistryStore::ReadKeyDword("Rename", "FileCopyMode", -1), 2);
    const auto current = platform::LoadHistory("Environment", "CurrentDirectory");
    ASSERT_GE(current.size(), 2u);
    EXPECT_EQ(current[0], dir.file("sub"));
    EXPECT_EQ(current[1], dir.path());
    const auto copies = platform::LoadHistory("Environment", "CopyDirectory");
    ASSERT_FALSE(copies.empty());
    EXPECT_EQ(copies[0], dir.file("zeta"));

    // The next start takes the last directory and the candidate-only state.
    auto again = Open({});
    EXPECT_FALSE(again->IsSplit());
    EXPECT_EQ(again->Selection().DirectoryCombo()->CurrentText(), dir.file("sub"));
    EXPECT_EQ(Widget<QComboBox>(*again, "outputCombo")->currentIndex(), 2);
}

TEST_F(MainWindowTest, SettingsThatCannotBeSavedAreReported)
{
    const std::string store = CRegistryStore::FilePath();
    // A link into a folder that is not there: an empty store that cannot be written.
    std::filesystem::create_directories(user.configHome() + "/Velmora");
    std::filesystem::create_symlink(user.root() + "/gone/Kestrel.ini", store);
    auto w = Open({dir.path()});
    w->WarnIfStoreUnreadable();
    ActivateModeRow(*w, QStringLiteral("■初期値に"));
    w->Exit();
    ASSERT_EQ(asked.size(), 2u); // the initial values, then everything at the exit
    for (const Question &q : asked) {
        EXPECT_EQ(q.icon, QMessageBox::Warning);
        EXPECT_EQ(q.caption, QStringLiteral("Kestrel"));
        EXPECT_TRUE(q.text.startsWith(QStringLiteral("設定を保存できませんでした。\n") +
                                      QString::fromStdString(store)))
            << q.text.toStdString();
    }
}

TEST_F(MainWindowTest, AStoreThatCannotBeReadIsNamedAtStartAndNotWrittenOverAtTheExit)
{
    const std::string store = CRegistryStore::FilePath();
    std::filesystem::create_directories(store); // a folder where the store file belongs
    auto w = Open({dir.path()});
    w->WarnIfStoreUnreadable();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(asked[0].text.contains(QString::fromStdString(store))) << asked[0].text.toStdString();

    // Readable again by the exit, the file still holds what the window never read.
    std::filesystem::remove(store);
    const std::string content = "[Rename]\nRenumStr1=mine\n";
    std::ofstream(store, std::ios::binary) << content;
    w->Exit();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(ReadFile(store), content);
}

TEST_F(MainWindowTest, SplitterDragStopsAtBothLimitsAndRightClickCancels)
{
    auto w = Open({dir.path()});
    w->resize(900, 600);
    w->show();
    auto *bar = Widget<SplitterBar>(*w, "leftSplitterBar");
    QWidget *leftPane = w->Selection().DirectoryCombo();
    const auto drag = [&](int toX) {
        const int from = bar->mapToGlobal(bar->rect().center()).x();
        emit bar->DragStarted(from);
        emit bar->DragMoved(w->mapToGlobal(QPoint(toX, 0)).x());
        emit bar->DragFinished(w->mapToGlobal(QPoint(toX, 0)).x());
    };
    const int grab = bar->mapTo(w.get(), bar->rect().center()).x() - (leftPane->geometry().right() + 1);

    const DialogUnits du(w->font());
    drag(-500);
    EXPECT_EQ(leftPane->geometry().width(), MinimumLeftPaneWidth(du));
    drag(5000);
    EXPECT_EQ(leftPane->geometry().right() + 1, MaximumLeftPaneRight(du, w->width()));
    EXPECT_EQ(w->SelectionListWidth(), w->width() - du.toPixelsX(124));

    const int before = w->SelectionListWidth();
    emit bar->DragStarted(bar->mapToGlobal(bar->rect().center()).x());
    emit bar->DragMoved(w->mapToGlobal(QPoint(grab + 300, 0)).x());
    emit bar->DragCancelled();
    EXPECT_EQ(w->SelectionListWidth(), before);
    w->hide();
}

TEST_F(MainWindowTest, SplitModeOverridesTheStoredState)
{
    {
        CEnvSettings env;
        env.Load();
        env.SplitMode = 2;
        env.Save("StartUp");
    }
    auto w = Open({dir.path()});
    EXPECT_FALSE(w->IsSplit());
    EXPECT_FALSE(w->Selection().List()->isVisibleTo(w.get()));
    // The listing waits until the left pane is shown.
    EXPECT_EQ(w->Selection().Rows().RowCount(), 0);
    w->ToggleSplit();
    w->Selection().WaitForListing();
    EXPECT_EQ(w->Selection().Rows().RowCount(), 6);
}

TEST(MainWindowPartsTest, TheFreeFilterDialogLeavesTheWindowTakingDrags)
{
    IsolatedUserDirs dirs;
    TempDir dir;
    CMainDlg window({dir.path()});
    WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("cancelButton")); });
    window.Selection().ChooseFilter(CEnvSettings::kFreeFilterIndex);
    EXPECT_TRUE(window.IsInteractive());
    EXPECT_EQ(Widget<SplitterBar>(window, "leftSplitterBar")->cursor().shape(), Qt::SplitHCursor);
}

} // namespace
