// Exporting the selected rows of the main window's lists.
#include "FindWidget.h"
#include "ModalTesting.h"
#include "app/EnvSettings.h"
#include "support/TempDir.h"
#include "ui/dialogs/ExportDlg.h"
#include "ui/main/CandidatePane.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;
using testing_support::ReadFile;
using testing_support::TempDir;

namespace {

class ExportFromWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
            dir.write(name, name);
        CEnvSettings env;
        env.Load();
        env.IsFileSize = env.IsFileType = env.IsFileTime = env.IsFileAttrib = env.IsFullPath = 0;
        env.Save("All");
        window = std::make_unique<CMainDlg>(std::vector<std::string>{dir.path()});
        window->Selection().WaitForListing();
        window->SetQuestionFunction([this](QWidget *, QMessageBox::Icon, const QString &caption,
                                           const QString &text, QMessageBox::StandardButtons) {
            asked.push_back(caption + QStringLiteral("|") + text);
            return QMessageBox::Ok;
        });
    }

    void SelectNames(const std::vector<std::string> &names)
    {
        std::vector<int> rows;
        for (const std::string &name : names)
            rows.push_back(window->Selection().Rows().FindName(name));
        window->Selection().List()->SetSelectedRows(rows);
    }

    // Runs the export with the dialog given `path` and the quote option.
    void Export(CMainDlg::ExportSource source, const std::string &path)
    {
        WhenModalOpens([path](QWidget *modal) {
            auto *dialog = qobject_cast<CExportDlg *>(modal);
            ASSERT_NE(dialog, nullptr);
            Widget<CHistoryComboBox>(*dialog, "outputPath")->SetCurrentText(path);
            dialog->findChild<QCheckBox *>(QStringLiteral("quote"))->setChecked(true);
            Widget<QPushButton>(*dialog, "okButton")->click();
        });
        window->ExportFileList(source);
    }

    IsolatedUserDirs user;
    TempDir dir;
    TempDir output;
    std::unique_ptr<CMainDlg> window;
    std::vector<QString> asked;
};

} // namespace

TEST_F(ExportFromWindowTest, SelectedRowsAreWrittenInRowOrderAndTheFlagsStored)
{
    SelectNames({"c.jpg", "a.jpg"});
    const std::string path = output.file("lists/selection.txt");
    Export(CMainDlg::ExportSource::Selection, path);
    ASSERT_EQ(asked.size(), 1u) << "the missing folder is offered for creation";
    EXPECT_TRUE(asked[0].contains(QStringLiteral("が存在しません")));
    EXPECT_EQ(ReadFile(path), "\"a.jpg\"\r\n\"c.jpg\"\r\n");

    CEnvSettings stored;
    stored.Load();
    EXPECT_EQ(stored.IsCoat, 1);
    EXPECT_EQ(window->Env().IsCoat, 1);
}

TEST_F(ExportFromWindowTest, CandidateRowsAreExportedFromTheirOwnList)
{
    SelectNames({"b.jpg", "c.jpg"});
    window->AddSelected();
    window->Candidates().List()->SetSelectedRows({1});
    const std::string path = output.file("candidates.txt");
    Export(CMainDlg::ExportSource::Candidates, path);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(ReadFile(path), "\"c.jpg\"\r\n");
}

TEST_F(ExportFromWindowTest, FailedWriteNamesTheFileAndKeepsTheStoredFlags)
{
    SelectNames({"a.jpg"});
    // A folder stands where the list would go.
    const std::string blocked = output.mkdir("list.txt");
    Export(CMainDlg::ExportSource::Selection, blocked);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("ファイルリストのエクスポート（エラー）|[") +
                                    QString::fromStdString(blocked) +
                                    QStringLiteral("] への出力に失敗しました!!")))
        << asked[0].toStdString();

    CEnvSettings stored;
    stored.Load();
    EXPECT_EQ(stored.IsCoat, 0);
}
