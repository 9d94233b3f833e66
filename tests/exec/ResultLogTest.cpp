#include "exec/ResultLog.h"

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

} // namespace
