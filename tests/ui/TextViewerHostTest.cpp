// The text viewer beside the main window: opened from its button, following
// the selection and closing itself.
#include "ui/main/TextViewerHost.h"
#include "FindWidget.h"
#include "support/TempDir.h"

#include "ui/dialogs/TextViewerDlg.h"
#include "ui/main/CommandBar.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/ImageButton.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

TEST(TextViewerHostTest, OpensFromTheButtonFollowsTheSelectionAndClosesItself)
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
    auto *viewer = Widget<CTextViewerDlg>(window, "textViewer");
    auto *text = Widget<QPlainTextEdit>(*viewer, "text");
    EXPECT_TRUE(button->IsLatched());

    CSelectionPane &pane = window.Selection();
    pane.List()->SetSelectedRows({pane.Rows().FindName("b.txt")});
    EXPECT_EQ(text->toPlainText(), QStringLiteral("second\nfile\n"));
    // A folder or two rows at once leave the file shown.
    pane.List()->SetSelectedRows({pane.Rows().FindName("sub")});
    pane.List()->SetSelectedRows({pane.Rows().FindName("a.txt"), pane.Rows().FindName("b.txt")});
    EXPECT_EQ(text->toPlainText(), QStringLiteral("second\nfile\n"));

    Widget<QPushButton>(*viewer, "closeButton")->click();
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

} // namespace
