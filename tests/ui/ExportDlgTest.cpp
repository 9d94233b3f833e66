// The file list export dialog.
#include "ui/dialogs/ExportDlg.h"
#include "FindWidget.h"
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
    auto *ok = Widget<QPushButton>(dialog, "okButton");
    auto *path = Widget<CHistoryComboBox>(dialog, "outputPath");
    EXPECT_FALSE(ok->isEnabled());
    path->setEditText(QStringLiteral("   "));
    EXPECT_FALSE(ok->isEnabled());
    path->setEditText(QStringLiteral("/tmp/list.txt"));
    EXPECT_TRUE(ok->isEnabled());

    const char *columns[] = {"name", "size", "type", "time", "attributes"};
    for (const char *column : columns)
        Check(dialog, column)->setChecked(false);
    EXPECT_FALSE(ok->isEnabled());
    Check(dialog, "time")->setChecked(true);
    EXPECT_TRUE(ok->isEnabled());
    // The options are not columns.
    Check(dialog, "time")->setChecked(false);
    Check(dialog, "fullPath")->setChecked(true);
    EXPECT_FALSE(ok->isEnabled());
}

TEST(ExportDlgTest, CurrentDirectoryButtonPutsTheFolderWithASlash)
{
    IsolatedUserDirs dirs;
    CEnvSettings env;
    CExportDlg dialog(env, "/home/user/写真");
    Click(dialog, "currentDirectory");
    EXPECT_EQ(Widget<CHistoryComboBox>(dialog, "outputPath")->CurrentText(), "/home/user/写真/");
    CExportDlg atRoot(env, "");
    Click(atRoot, "currentDirectory");
    EXPECT_EQ(Widget<CHistoryComboBox>(atRoot, "outputPath")->CurrentText(), "/");
}

TEST(ExportDlgTest, OkRecordsTheTextsAndTakesTheFlags)
{
    IsolatedUserDirs dirs;
    platform::SaveHistory("History", "ExportFile", {"/tmp/old.txt"});
    CEnvSettings env;
    CExportDlg dialog(env, "/home/user");
    auto *path = Widget<CHistoryComboBox>(dialog, "outputPath");
    EXPECT_EQ(path->CurrentText(), "/tmp/old.txt");

    path->SetCurrentText("/tmp/new.txt");
    Widget<CHistoryComboBox>(dialog, "prefix")->SetCurrentText("copy");
    Check(dialog, "addPrefix")->setChecked(true);
    Check(dialog, "quote")->setChecked(true);
    Check(dialog, "size")->setChecked(false);
    Widget<QPushButton>(dialog, "okButton")->click();

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
    Widget<CHistoryComboBox>(dialog, "suffix")->SetCurrentText("end");
    Check(dialog, "noExtension")->setChecked(true);
    Click(dialog, "cancelButton");

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(History("ExportStrB"), platform::HistoryEntries{"end"});
    EXPECT_EQ(dialog.Env().IsNoExtension, 1);
}
