#include "exec/ResultLog.h"
#include "ExecTestSupport.h"
#include "exec/Run.h"

#include <gtest/gtest.h>

using namespace exec;

namespace {

TEST(ResultLogTest, ColumnsAndTextsOfEachKind)
{
    CResultLog log;
    log.AddResult("/d/old.txt", "/e/new.txt", 1);
    log.AddResult("/d/bad", "/d/worse", 0);
    EXPECT_EQ(log.ColumnTitles(), (std::vector<std::string>{"名前", "変更後の名前", "処理"}));
    const CResultRow &row = log.rows()[0];
    EXPECT_EQ(log.CellText(row, 0, 0), "old.txt");
    EXPECT_EQ(log.CellText(row, 1, 0), "new.txt");
    EXPECT_EQ(log.CellText(row, 1, 1), "/e/new.txt");
    EXPECT_EQ(log.CellText(row, 2, 1), "変名しました。");
    EXPECT_EQ(log.CellText(log.rows()[1], 2, 0), "変名に失敗しました。");

    log.setKind(ResultKind::Concatenation);
    log.AddResult("/src", 1);
    EXPECT_EQ(log.ColumnTitles().size(), 2u);
    EXPECT_EQ(log.CellText(log.rows()[2], 1, 0), "連結しました。");
    EXPECT_EQ(log.CellText(log.rows()[2], 0, 1), "/src");
    EXPECT_TRUE(log.rows()[2].resultPath.empty());
}

TEST(ConfirmationTextTest, EachCase)
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

TEST(ConfirmationTextTest, RefusedConfirmationDoesNothing)
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
