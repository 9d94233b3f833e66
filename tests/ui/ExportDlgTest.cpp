// The file list export dialog.
#include "ui/dialogs/ExportDlg.h"
#include "app/EnvSettings.h"
#include "platform/HistoryList.h"
#include "support/TempDir.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;

namespace {

QCheckBox *Check(const CExportDlg &dialog, const char *name)
{
    return dialog.findChild<QCheckBox *>(QString::fromUtf8(name));
}

void Click(const CExportDlg &dialog, const char *name)
{
    dialog.findChild<QAbstractButton *>(QString::fromUtf8(name))->click();
}

platform::HistoryEntries History(const char *value)
{
    return platform::LoadHistory("History", value);
}

} // namespace

TEST(ExportDlgTest, OkNeedsAPathAndAtLeastOneColumn)
{
    IsolatedUserDirs dirs;
    CEnvSettings env;
    CExportDlg dialog(env, "/home/user");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ファイルリストのエクスポート"));
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.PathCombo()->setEditText(QStringLiteral("   "));
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.PathCombo()->setEditText(QStringLiteral("/tmp/list.txt"));
    EXPECT_TRUE(dialog.OkButton()->isEnabled());

    const char *columns[] = {"name", "size", "type", "time", "attributes"};
    for (const char *column : columns)
        Check(dialog, column)->setChecked(false);
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    Check(dialog, "time")->setChecked(true);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    // The options are not columns.
    Check(dialog, "time")->setChecked(false);
    Check(dialog, "fullPath")->setChecked(true);
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
}

TEST(ExportDlgTest, CurrentDirectoryButtonPutsTheFolderWithASlash)
{
    IsolatedUserDirs dirs;
    CEnvSettings env;
    CExportDlg dialog(env, "/home/user/写真");
    Click(dialog, "currentDirectory");
    EXPECT_EQ(dialog.PathCombo()->CurrentText(), "/home/user/写真/");
    CExportDlg atRoot(env, "");
    Click(atRoot, "currentDirectory");
    EXPECT_EQ(atRoot.PathCombo()->CurrentText(), "/");
}

TEST(ExportDlgTest, OkRecordsTheTextsAndTakesTheFlags)
{
    IsolatedUserDirs dirs;
    platform::SaveHistory("History", "ExportFile", {"/tmp/old.txt"});
    CEnvSettings env;
    CExportDlg dialog(env, "/home/user");
    EXPECT_EQ(dialog.PathCombo()->CurrentText(), "/tmp/old.txt");

    dialog.PathCombo()->SetCurrentText("/tmp/new.txt");
    dialog.PrefixCombo()->SetCurrentText("copy");
    Check(dialog, "addPrefix")->setChecked(true);
    Check(dialog, "quote")->setChecked(true);
    Check(dialog, "size")->setChecked(false);
    dialog.OkButton()->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.OutputPath(), "/tmp/new.txt");
    EXPECT_EQ(dialog.Prefix(), "copy");
    EXPECT_EQ(History("ExportFile"), (platform::HistoryEntries{"/tmp/new.txt", "/tmp/old.txt"}));
    EXPECT_EQ(History("ExportStrF"), platform::HistoryEntries{"copy"});
    EXPECT_EQ(dialog.Env().IsAddStrF, 1);
    EXPECT_EQ(dialog.Env().IsCoat, 1);
    EXPECT_EQ(dialog.Env().IsFileSize, 0);
    EXPECT_EQ(dialog.Env().IsFileName, 1);
}

TEST(ExportDlgTest, CancelStillRecordsTheTextsAndTheFlags)
{
    IsolatedUserDirs dirs;
    CEnvSettings env;
    CExportDlg dialog(env, "/home/user");
    dialog.SuffixCombo()->SetCurrentText("end");
    Check(dialog, "noExtension")->setChecked(true);
    Click(dialog, "cancelButton");

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(History("ExportStrB"), platform::HistoryEntries{"end"});
    EXPECT_EQ(dialog.Env().IsNoExtension, 1);
}
