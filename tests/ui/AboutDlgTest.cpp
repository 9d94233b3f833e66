// The about box: its version line and deleting the settings when asked.
#include "ui/dialogs/AboutDlg.h"
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "platform/RegistryStore.h"
#include "ui/main/CommandBar.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/ImageButton.h"

#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::Exists;
using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

TEST(AboutDlgTest, ShowsTheVersionLineAndDeletesTheSettingsOnlyWhenAsked)
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
        WhenModalOpens([](QWidget *modal) { Widget<CImageButton>(*modal, "iconButton")->click(); });
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
        WhenModalOpens([](QWidget *modal) { Widget<CImageButton>(*modal, "iconButton")->click(); });
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
