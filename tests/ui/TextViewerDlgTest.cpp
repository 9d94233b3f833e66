// The text viewer: what it says of what it cannot show.
#include "ui/dialogs/TextViewerDlg.h"
#include "FindWidget.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using testing_support::Exists;
using testing_support::TempDir;

namespace {

TEST(TextViewerDlgTest, SaysWhatItCannotShow)
{
    TempDir dir;
    CTextViewerDlg viewer(nullptr);
    std::string lines;
    for (int i = 0; i < 120; ++i)
        lines += "x\n";
    auto *text = Widget<QPlainTextEdit>(viewer, "text");
    viewer.ShowFile(dir.write("long.txt", lines));
    EXPECT_EQ(Widget<QLabel>(viewer, "pathLine")->text(),
              QStringLiteral(" ") + QString::fromStdString(dir.file("long.txt")));
    EXPECT_TRUE(
        text->toPlainText().endsWith(QStringLiteral("x\n=============== 続く．．． ===============")));
    EXPECT_EQ(text->document()->blockCount(), 101);

    viewer.ShowFile(dir.write("data.bin", std::string("\x7f"
                                                      "ELF\0",
                                                      5)));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("=============== Binary File ==============="));
    viewer.ShowFile(dir.file("gone.txt"));
    EXPECT_EQ(text->toPlainText(),
              QStringLiteral("=============== ファイルが見つかりません ==============="));
    EXPECT_FALSE(Exists(dir.file("gone.txt")));
}

} // namespace
