#include "exec/Run.h"
#include "ExecTestSupport.h"
#include "platform/Translation.h"

#include <gtest/gtest.h>

using namespace exec;

namespace {

TEST(RunTest, EachCase)
{
    CRenameSettings s;
    s.FileCopyMode = OutputKind::Copy;
    EXPECT_EQ(BuildConfirmationText(s, 3),
              "3個のファイルが選択されています。\n\n　■名前変更\n　　対象：ファイル\n"
              "　　出力先：複写\n\n実行しますか？");
    s.ObjMode = ObjectKind::Folders;
    EXPECT_EQ(BuildConfirmationText(s, 1),
              "1個のファイルが選択されています。\n\n　■名前変更\n　　対象：フォルダ\n\n実行しますか？");
    s.RenameMode = RenameKind::Concatenation;
    s.IsDelete = 1;
    EXPECT_EQ(BuildConfirmationText(s, 2),
              "2個のファイルが選択されています。\n\n　■ファイル連結\n　　既存ファイルに上書き"
              "\n　　選択ファイルを削除\n\n実行しますか？");
}

// In English the count chooses the form, and values land where the English
// text puts them.
TEST(RunTest, ConfirmationInEnglish)
{
    ASSERT_TRUE(platform::UseLanguage(platform::Language::English, platform::CatalogueFolder()));
    CRenameSettings s;
    s.FileCopyMode = OutputKind::Move;
    const std::string one = BuildConfirmationText(s, 1);
    const std::string three = BuildConfirmationText(s, 3);
    platform::UseLanguage(platform::Language::Japanese, {});
    EXPECT_EQ(one, "1 file is selected.\n\n  ■ Rename\n    Items: files\n    Output: move\n\nRun now?");
    EXPECT_EQ(three.substr(0, 21), "3 files are selected.");
}

TEST(RunTest, RefusedConfirmationDoesNothing)
{
    exec_test::ScriptedHost host;
    host.answers = {false};
    CRenameSettings s;
    CUndoList undo;
    undo.available = true;
    CRunRequest request;
    request.rows = {exec_test::Placeholder()};
    const auto outcome = exec::Run(request, s, undo, host);
    EXPECT_FALSE(outcome.performed);
    EXPECT_TRUE(undo.available);
    EXPECT_EQ(host.asked.at(0).first, QuestionKind::ConfirmExecution);
}

} // namespace
