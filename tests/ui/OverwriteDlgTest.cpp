// The question whether to overwrite: the answer of each way of closing it.
#include "ui/dialogs/OverwriteDlg.h"
#include "ModalTesting.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(OverwriteDlgTest, EachButtonAndEveryWayOfClosingGivesItsAnswer)
{
    const std::vector<std::pair<QString, int>> answers = {
        {"yes", COverwriteDlg::Yes}, {"all", COverwriteDlg::All}, {"no", COverwriteDlg::No}};
    for (const auto &[button, expected] : answers) {
        COverwriteDlg dialog("/photos/img001.jpg", nullptr);
        WhenModalOpens([name = button](QWidget *modal) { ClickButton(modal, name); });
        EXPECT_EQ(dialog.exec(), expected) << button.toStdString();
    }

    COverwriteDlg escaped("/photos/img001.jpg", nullptr);
    WhenModalOpens([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(escaped.exec(), COverwriteDlg::No);

    COverwriteDlg closed("/photos/img001.jpg", nullptr);
    WhenModalOpens([](QWidget *modal) { modal->close(); });
    EXPECT_EQ(closed.exec(), COverwriteDlg::No);
}

} // namespace
