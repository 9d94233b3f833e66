// The text viewer beside the main window and the about box.
#include "ui/dialogs/AboutDlg.h"
#include "ui/dialogs/TextViewerDlg.h"
#include "ui/main/MainDlg.h"
#include "ui/main/TextViewerHost.h"

#include "ModalTesting.h"
#include "platform/RegistryStore.h"
#include "support/TempDir.h"
#include "ui/main/CommandBar.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/ImageButton.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using testing_support::Exists;
using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

TEST(TextViewerTest, SaysWhatItCannotShow)
{
    TempDir dir;
    CTextViewerDlg viewer(nullptr);
    std::string lines;
    for (int i = 0; i < 120; ++i)
        lines += "x\n";
    viewer.ShowFile(dir.write("long.txt", lines));
    EXPECT_EQ(viewer.PathLine()->text(), QStringLiteral(" ") + QString::fromStdString(dir.file("long.txt")));
    EXPECT_TRUE(viewer.Text()->toPlainText().endsWith(
        QStringLiteral("x\n=============== 続く．．． ===============")));
    EXPECT_EQ(viewer.Text()->document()->blockCount(), 101);

    viewer.ShowFile(dir.write("data.bin", std::string("\x7f"
                                                      "ELF\0",
                                                      5)));
    EXPECT_EQ(viewer.Text()->toPlainText(), QStringLiteral("=============== Binary File ==============="));
    viewer.ShowFile(dir.file("gone.txt"));
    EXPECT_EQ(viewer.Text()->toPlainText(),
              QStringLiteral("=============== ファイルが見つかりません ==============="));
    EXPECT_FALSE(Exists(dir.file("gone.txt")));
}

TEST(TextViewerTest, OpensFromTheButtonFollowsTheSelectionAndClosesItself)
{
    IsolatedUserDirs dirs;
    TempDir dir;
    dir.write("a.txt", "first file\n");
    dir.write("b.txt", "second\r\nfile\r\n");
    dir.mkdir("sub");
    CMainDlg window({dir.path()});
    window.Selection().WaitForListing();
    CImageButton *button = window.Commands().ViewerButton();
    ASSERT_TRUE(button->isEnabled());

    button->click();
    CTextViewerDlg *viewer = window.ViewerHost().Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(button->IsLatched());

    CSelectionPane &pane = window.Selection();
    pane.List()->SetSelectedRows({pane.Rows().FindName("b.txt")});
    EXPECT_EQ(viewer->Text()->toPlainText(), QStringLiteral("second\nfile\n"));
    // A folder or two rows at once leave the file shown.
    pane.List()->SetSelectedRows({pane.Rows().FindName("sub")});
    pane.List()->SetSelectedRows({pane.Rows().FindName("a.txt"), pane.Rows().FindName("b.txt")});
    EXPECT_EQ(viewer->Text()->toPlainText(), QStringLiteral("second\nfile\n"));

    viewer->CloseButton()->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.ViewerHost().IsOpen());
    EXPECT_FALSE(button->IsLatched());

    // The button opens and closes it again.
    button->click();
    ASSERT_TRUE(window.ViewerHost().IsOpen());
    button->click();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.ViewerHost().IsOpen());
}

TEST(AboutBoxTest, ShowsTheVersionLineAndDeletesTheSettingsOnlyWhenAsked)
{
    IsolatedUserDirs dirs;
    EXPECT_TRUE(CAboutDlg::VersionLine().startsWith(QStringLiteral("Kestrel Ver.")));
    EXPECT_TRUE(CAboutDlg::VersionLine().contains(QStringLiteral("  Copyright")));
    const std::string store = CRegistryStore::FilePath();
    TempDir dir;
    dir.write("keep.txt");
    {
        CMainDlg window({dir.path()});
        window.Selection().WaitForListing();
        window.show();
        // Cancelling the question closes the box and changes nothing.
        window.SetQuestionFunction([](QWidget *, QMessageBox::Icon, const QString &, const QString &,
                                      QMessageBox::StandardButtons) { return QMessageBox::Cancel; });
        WhenModalOpens([](QWidget *modal) { qobject_cast<CAboutDlg *>(modal)->IconButton()->click(); });
        window.ShowAbout();
        EXPECT_TRUE(window.isVisible());
        window.Exit(); // a normal exit writes the store
        ASSERT_TRUE(Exists(store));
        window.show();

        QString asked;
        window.SetQuestionFunction([&asked](QWidget *, QMessageBox::Icon, const QString &caption,
                                            const QString &text, QMessageBox::StandardButtons) {
            asked = caption + QLatin1Char('|') + text;
            return QMessageBox::Ok;
        });
        WhenModalOpens([](QWidget *modal) { qobject_cast<CAboutDlg *>(modal)->IconButton()->click(); });
        window.ShowAbout();
        EXPECT_EQ(asked, QStringLiteral(
                             "Kestrel（レジストリ削除）|「Kestrel」のレジストリを削除して終了しますか？"));
        EXPECT_FALSE(window.isVisible());
    }
    // The window ended without writing anything back; the user's files stay.
    EXPECT_FALSE(Exists(store));
    EXPECT_TRUE(Exists(dir.file("keep.txt")));
}

} // namespace
