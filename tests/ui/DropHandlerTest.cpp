// Files and folders dropped on the main window.
#include "ui/main/DropHandler.h"
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "app/EnvSettings.h"
#include "platform/Collation.h"
#include "ui/dialogs/AddFilesDlg.h"
#include "ui/dialogs/FileTypeDlg.h"
#include "ui/dialogs/MoveDirDlg.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using testing_support::IsolatedUserDirs;
using testing_support::TempDir;
using Paths = std::vector<std::string>;

namespace {

std::vector<QString> ItemTexts(const QListWidget *list)
{
    std::vector<QString> texts;
    for (int line = 0; line < list->count(); ++line)
        texts.push_back(list->item(line)->text());
    return texts;
}

class DropHandlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        here.write("here.txt");
        there.mkdir("photos/2024");
        there.mkdir("other");
        there.write("x.txt", "x");
        there.write("\xFF\xFE.txt", "bytes");
        there.write("photos/b.jpg");
        there.write("photos/a.jpg");
        there.write("photos/2024/c.jpg");
    }

    std::unique_ptr<CMainDlg> Open(const Paths &args, int ddMode = 0)
    {
        CEnvSettings env;
        env.Load();
        env.DDMode = ddMode;
        env.Save("Environment");
        auto window = std::make_unique<CMainDlg>(args);
        window->Selection().WaitForListing();
        return window;
    }

    // A drop of the paths as a file manager sends them, handled to its end.
    static void Drop(CMainDlg &window, const Paths &paths)
    {
        QByteArray payload = "# dropped\r\n";
        for (const std::string &path : paths)
            payload += "file://" + QByteArray::fromStdString(path).toPercentEncoding("/") + "\r\n";
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"), payload);
        // The drop goes to the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(30, 30), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        EXPECT_TRUE(drop.isAccepted());
        QCoreApplication::processEvents();
        window.Selection().WaitForListing();
    }

    static Paths CandidatePaths(const CMainDlg &window)
    {
        Paths paths;
        const CCandidateList &rows = window.Candidates().Rows();
        for (int row = 0; row < rows.RowCount(); ++row)
            paths.push_back(rows.Entry(row).fullPath);
        return paths;
    }

    IsolatedUserDirs user;
    TempDir here;
    TempDir there;
};

TEST_F(DropHandlerTest, DroppedFilesBecomeCandidatesByteForByteAndTheirFolderIsListed)
{
    auto w = Open({here.path()});
    Drop(*w, {there.file("x.txt"), there.file("\xFF\xFE.txt")});
    EXPECT_EQ(CandidatePaths(*w), (Paths{there.file("x.txt"), there.file("\xFF\xFE.txt")}));
    EXPECT_EQ(w->CurrentDirectory(), there.path());
}

TEST_F(DropHandlerTest, AKnownCandidateIsNotAddedAgainAndAHiddenListWaitsForTheSplit)
{
    auto w = Open({here.path(), there.file("x.txt")});
    ASSERT_EQ(CandidatePaths(*w), Paths{there.file("x.txt")});
    w->ToggleSplit();
    ASSERT_FALSE(w->IsSplit());

    Drop(*w, {there.file("x.txt")});
    EXPECT_EQ(CandidatePaths(*w), Paths{there.file("x.txt")});
    EXPECT_EQ(w->Selection().DirectoryCombo()->CurrentText(), there.path());
    EXPECT_EQ(w->CurrentDirectory(), here.path()) << "not listed while the list is hidden";

    w->ToggleSplit();
    w->Selection().WaitForListing();
    EXPECT_EQ(w->CurrentDirectory(), there.path());
}

TEST_F(DropHandlerTest, DirectoryOnlyDropsAskWhichOfSeveralFolders)
{
    auto w = Open({here.path()}, 1);
    Drop(*w, {there.file("other")});
    EXPECT_EQ(w->CurrentDirectory(), there.file("other")) << "one folder: no question";
    Drop(*w, {there.file("x.txt")});
    EXPECT_EQ(w->CurrentDirectory(), there.path()) << "files only: their folder";

    bool interactiveWhileAsked = true;
    std::vector<QString> listed;
    QString current;
    WhenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<CMoveDirDlg *>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("移動ディレクトリ選択"));
        interactiveWhileAsked = w->IsInteractive();
        auto *folders = Widget<QListWidget>(*dialog, "folderList");
        listed = ItemTexts(folders);
        current = folders->currentItem()->text();
        folders->setCurrentRow(0);
        ClickButton(modal, QStringLiteral("実行"));
    });
    Drop(*w, {there.file("photos"), here.path(), there.file("x.txt")});
    const Paths sorted = platform::CompareCollated(here.path(), there.file("photos")) < 0
                             ? Paths{here.path(), there.file("photos")}
                             : Paths{there.file("photos"), here.path()};
    EXPECT_EQ(listed,
              (std::vector<QString>{QString::fromStdString(sorted[0]), QString::fromStdString(sorted[1])}));
    EXPECT_EQ(current, QString::fromStdString(there.file("photos")));
    EXPECT_FALSE(interactiveWhileAsked);
    EXPECT_TRUE(w->IsInteractive());
    EXPECT_EQ(w->CurrentDirectory(), sorted[0]);

    WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("中止")); });
    Drop(*w, {there.file("photos"), there.file("other")});
    EXPECT_EQ(w->CurrentDirectory(), sorted[0]);
    EXPECT_TRUE(CandidatePaths(*w).empty());
}

TEST_F(DropHandlerTest, FolderModeNeverAdds)
{
    auto w = Open({here.path()});
    w->ChangeObjectKind(ObjectKind::Folders);
    Drop(*w, {there.file("x.txt"), there.file("photos")});
    EXPECT_TRUE(CandidatePaths(*w).empty());
    EXPECT_EQ(w->CurrentDirectory(), there.file("photos"));
}

TEST_F(DropHandlerTest, AFolderIsAddedThroughTheAddFilesDialogAndItsParentIsListed)
{
    auto w = Open({here.path()});
    std::vector<QString> folders;
    WhenModalOpens([&](QWidget *modal) {
        auto *dialog = qobject_cast<CAddFilesDlg *>(modal);
        ASSERT_NE(dialog, nullptr);
        folders = ItemTexts(Widget<QListWidget>(*dialog, "folderList"));
        Widget<CHistoryComboBox>(*dialog, "filterCombo")->SetCurrentText("*.jpg");
        Widget<QCheckBox>(*dialog, "recurseCheck")->setChecked(true);
        ClickButton(modal, QStringLiteral("実行"));
    });
    Drop(*w, {there.file("photos")});
    EXPECT_EQ(folders, std::vector<QString>{QString::fromStdString(there.file("photos"))});
    EXPECT_EQ(CandidatePaths(*w), (Paths{there.file("photos/a.jpg"), there.file("photos/b.jpg"),
                                         there.file("photos/2024/c.jpg")}));
    EXPECT_EQ(w->CurrentDirectory(), there.path());

    // 中止 adds nothing of the folders; the files dropped with them stay.
    WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("中止")); });
    Drop(*w, {here.file("here.txt"), there.file("other")});
    EXPECT_EQ(CandidatePaths(*w).back(), here.file("here.txt"));
    EXPECT_EQ(w->CurrentDirectory(), here.path());
}

} // namespace
