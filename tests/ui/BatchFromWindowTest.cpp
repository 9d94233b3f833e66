#include "support/TempDir.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/CommandBar.h"
#include "ui/main/MainDlg.h"
#include "ui/main/ModeArea.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/ImageButton.h"

#include "FindWidget.h"
#include "ModalTesting.h"
#include "app/EnvSettings.h"
#include "ui/dialogs/BatchDlg.h"
#include "ui/panels/ModePanel.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using testing_support::Exists;
using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

// Folders one, two, three and gone with a.jpg and b.jpg each, and top.jpg beside them.
class BatchFromWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *folder : {"one", "two", "three", "gone"}) {
            dir.mkdir(folder);
            for (const char *name : {"a.jpg", "b.jpg"})
                dir.write(std::string(folder) + "/" + name, name);
        }
        dir.write("top.jpg", "top");
    }

    std::unique_ptr<CMainDlg> Open(bool askFirst, bool showLog)
    {
        CEnvSettings env;
        env.Load();
        env.IsAsk = askFirst ? 1 : 0;
        env.IsDispLog = showLog ? 1 : 0;
        env.Save("All");
        auto window = std::make_unique<CMainDlg>(std::vector<std::string>{dir.path()});
        window->Selection().WaitForListing();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    static void Select(CMainDlg &w, const std::vector<std::string> &names)
    {
        std::vector<int> rows;
        for (const std::string &name : names)
            rows.push_back(w.Selection().Rows().FindName(name));
        w.Selection().List()->SetSelectedRows(rows);
    }

    // The renumber panel's prefix and 開始値加算, with the change delivered.
    static void SetRenumbering(CMainDlg &w, const std::string &prefix, bool increment)
    {
        QWidget *panel = w.Modes().Panel();
        auto combos = panel->findChildren<CHistoryComboBox *>(Qt::FindDirectChildrenOnly);
        ASSERT_FALSE(combos.empty());
        combos[0]->SetCurrentText(prefix);
        for (QCheckBox *check : panel->findChildren<QCheckBox *>())
            if (check->text() == QStringLiteral("開始値加算"))
                check->setChecked(increment);
        QApplication::processEvents();
    }

    // The enabled state of バッチ処理 in the selection list's menu, which is
    // chosen when `choose` is set.
    static bool BatchItemEnabled(CMainDlg &w, bool choose = false)
    {
        bool enabled = false;
        QTimer::singleShot(20, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction *action : menu->actions()) {
                if (action->text() != QStringLiteral("バッチ処理"))
                    continue;
                enabled = action->isEnabled();
                if (choose) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            menu->close();
        });
        w.Selection().ShowMenu(w.mapToGlobal(QPoint(10, 10)));
        return enabled;
    }

    IsolatedUserDirs user;
    TempDir dir;
};

TEST_F(BatchFromWindowTest, CheckedFoldersAreRenumberedInPlaceAndTheWindowIsPutBack)
{
    auto w = Open(true, true);
    // A first run, before the batch.
    Select(*w, {"top.jpg"});
    w->AddSelected();
    WhenModalOpens([](QWidget *confirm) {
        WhenModalOpens([](QWidget *log) { qobject_cast<QDialog *>(log)->reject(); });
        auto *box = qobject_cast<QMessageBox *>(confirm);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton *button : box->buttons())
            if (box->buttonRole(button) == QMessageBox::YesRole ||
                box->buttonRole(button) == QMessageBox::AcceptRole)
                return button->click();
    });
    w->Execute();
    w->Selection().WaitForListing();
    ASSERT_TRUE(w->UndoAvailable());

    SetRenumbering(*w, "p_", true);
    const int numberStart = w->Settings().NumberStart;
    dir.mkdir("copies");
    w->Candidates().SetOutput(OutputKind::Copy);
    w->Candidates().DestinationCombo()->SetCurrentText(dir.file("copies"));
    Select(*w, {"one", "two", "three", "gone"});
    std::filesystem::remove_all(dir.file("gone"));

    QStringList offered;
    QStringList logRows;
    WhenModalOpens([&](QWidget *modal) {
        auto *batch = qobject_cast<CBatchDlg *>(modal);
        ASSERT_NE(batch, nullptr);
        auto *folders = Widget<QListWidget>(*batch, "checkList");
        for (int line = 0; line < folders->count(); ++line) {
            QListWidgetItem *item = folders->item(line);
            offered << item->text();
            if (item->text().endsWith(QStringLiteral("/three")))
                item->setCheckState(Qt::Unchecked);
        }
        WhenModalOpens([&](QWidget *log) {
            auto *list = log->findChild<QTreeView *>();
            for (int row = 0; row < list->model()->rowCount(); ++row)
                logRows << list->model()->index(row, 0).data().toString() + QStringLiteral("|") +
                               list->model()->index(row, 2).data().toString();
            qobject_cast<QDialog *>(log)->reject();
        });
        ClickButton(modal, QStringLiteral("実行"));
    });
    w->RunBatch();

    EXPECT_EQ(offered.size(), 4) << "one line per selected folder";
    for (const char *folder : {"one", "two"}) {
        const std::string base = dir.file(folder) + "/";
        EXPECT_TRUE(Exists(base + "p_001.jpg")) << folder << ": every folder starts at the same number";
        EXPECT_TRUE(Exists(base + "p_002.jpg")) << folder;
        EXPECT_FALSE(Exists(base + "a.jpg")) << folder << ": renamed in place, not copied";
    }
    EXPECT_TRUE(Exists(dir.file("three/a.jpg"))) << "an unchecked folder is left alone";
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("copies")));
    EXPECT_FALSE(Exists(dir.file("p_001.jpg"))) << "the entries beside a missing folder are not renamed";
    EXPECT_EQ(logRows.size(), 5) << logRows.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(logRows.filter(QStringLiteral("gone")).size(), 1) << "the missing folder is reported";

    EXPECT_EQ(w->Candidates().Output(), OutputKind::Copy) << "the output mode is put back";
    EXPECT_EQ(w->Settings().FileCopyMode, OutputKind::Copy);
    EXPECT_EQ(w->Settings().NumberStart, numberStart) << "開始値加算 is not done in a batch";
    EXPECT_FALSE(w->Settings().IsInBatch);
    EXPECT_TRUE(w->UndoAvailable()) << "a batch is taken back as one run";
    EXPECT_TRUE(w->Commands().UndoButton()->isEnabled());
}

TEST_F(BatchFromWindowTest, CancelChangesNothingAndTheMenuOffersOnlyRealFolders)
{
    auto w = Open(true, false);
    Select(*w, {"one"});
    WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("中止")); });
    w->RunBatch();
    EXPECT_TRUE(Exists(dir.file("one/a.jpg")));

    EXPECT_TRUE(BatchItemEnabled(*w));
    Select(*w, {"one", "top.jpg"});
    EXPECT_FALSE(BatchItemEnabled(*w)) << "a file among the rows";
    Select(*w, {".."});
    EXPECT_FALSE(BatchItemEnabled(*w)) << "\"..\" is no folder to process";
    w->ChangeObjectKind(ObjectKind::Folders);
    Select(*w, {"one"});
    EXPECT_FALSE(BatchItemEnabled(*w)) << "folders as candidates";
}

// During a batch the window takes no input; Escape stops the batch before
// its next directory, and the log names the directories not run.
TEST_F(BatchFromWindowTest, TheWindowTakesNoInputDuringABatchAndEscapeStopsIt)
{
    auto w = Open(false, true);
    SetRenumbering(*w, "s_", false);
    Select(*w, {"one", "two"});
    // Waiting in the queue until the batch looks at the window's events.
    QWidget *addAll = w->Candidates().ListButton(1);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(addAll,
                                    new QMouseEvent(type, QPointF(5, 5), addAll->mapToGlobal(QPointF(5, 5)),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w->Selection().List(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QStringList logRows;
    WhenModalOpens([&](QWidget *log) {
        auto *list = log->findChild<QTreeView *>();
        for (int row = 0; row < list->model()->rowCount(); ++row)
            logRows << list->model()->index(row, 2).data().toString();
        qobject_cast<QDialog *>(log)->reject();
    });
    w->RunBatch();
    EXPECT_TRUE(Exists(dir.file("one/a.jpg")));
    EXPECT_TRUE(Exists(dir.file("two/a.jpg")));
    EXPECT_EQ(logRows.size(), 2) << logRows.join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(w->Candidates().Rows().RowCount(), 0) << "the click during the batch was not taken";
    EXPECT_TRUE(w->IsInteractive());
}

TEST_F(BatchFromWindowTest, MenuItemRunsTheBatchWithoutAskingWhenIsAskIsOff)
{
    auto w = Open(false, false);
    SetRenumbering(*w, "m_", false);
    Select(*w, {"two"});
    EXPECT_TRUE(BatchItemEnabled(*w, true));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Exists(dir.file("two/m_002.jpg")); }));
    EXPECT_TRUE(Exists(dir.file("one/a.jpg")));
}

} // namespace
