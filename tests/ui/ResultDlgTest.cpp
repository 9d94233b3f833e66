// The result dialog: its columns, full paths, and the size and widths it stores.
#include "ui/dialogs/ResultDlg.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "exec/ResultLog.h"
#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"
#include "ui/widgets/DialogUnits.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

QString CellText(CResultDlg &dialog, int row, int column)
{
    QAbstractItemModel *model = dialog.findChild<QTreeView *>()->model();
    return model->index(row, column).data().toString();
}

class ResultDlgTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    HostDialog window;
    exec::CResultLog log{exec::ResultKind::Rename};

    void SetUp() override
    {
        log.AddResult("/photos/a.jpg", "/photos/img001.jpg", 1);
        log.AddResult("/photos/b.jpg", "/photos/img002.jpg", 0);
    }
};

TEST_F(ResultDlgTest, FirstOpeningShowsFileNamesInThreeColumnsAtTheDefaultSize)
{
    CResultDlg dialog(log, &window);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kestrel（変名結果出力）"));
    EXPECT_FALSE(window.interactive);
    auto *list = dialog.findChild<QTreeView *>();
    ASSERT_EQ(list->model()->columnCount(), 3);
    EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("変更後の名前"));
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(list->columnWidth(column), 150);
    EXPECT_EQ(dialog.size(), DialogUnits(dialog.font()).toPixels(250, 180));
    EXPECT_EQ(dialog.minimumSize(), dialog.size());
    EXPECT_EQ(dialog.maximumSize(), QSize(800, 600));
    EXPECT_FALSE(dialog.findChild<QCheckBox *>()->isChecked());

    EXPECT_EQ(dialog.DisplayMode(), 0);
    EXPECT_EQ(CellText(dialog, 0, 0), "a.jpg");
    EXPECT_EQ(CellText(dialog, 0, 1), "img001.jpg");
    EXPECT_EQ(CellText(dialog, 0, 2), QStringLiteral("変名しました。"));
    EXPECT_EQ(CellText(dialog, 1, 2), QStringLiteral("変名に失敗しました。"));
}

TEST_F(ResultDlgTest, FullPathDisplayChangesTheTextsButNotTheRows)
{
    CResultDlg dialog(log, &window);
    auto radios = dialog.findChildren<QRadioButton *>();
    QRadioButton *fullPath = radios[0]->text() == QStringLiteral("フルパス名") ? radios[0] : radios[1];
    QRadioButton *nameOnly = fullPath == radios[0] ? radios[1] : radios[0];
    fullPath->click();
    EXPECT_EQ(dialog.findChild<QTreeView *>()->model()->rowCount(), 2);
    EXPECT_EQ(CellText(dialog, 1, 0), "/photos/b.jpg");
    EXPECT_EQ(CellText(dialog, 1, 1), "/photos/img002.jpg");
    nameOnly->click();
    EXPECT_EQ(CellText(dialog, 1, 0), "b.jpg");
}

TEST_F(ResultDlgTest, ClosingStoresTheValuesAndARememberedSizeComesBack)
{
    {
        CResultDlg dialog(log, &window);
        dialog.findChild<QCheckBox *>()->setChecked(true);
        dialog.findChildren<QRadioButton *>()[1]->click();
        dialog.findChild<QTreeView *>()->setColumnWidth(1, 222);
        dialog.resize(dialog.width() + 40, dialog.height() + 30);
        WhenModalOpens([](QWidget *modal) { ClickButton(modal, QStringLiteral("確　認")); });
        dialog.exec();
    }
    EXPECT_TRUE(window.interactive);

    CRegistryStore store;
    ASSERT_TRUE(store.Open("OutPut")) << "the key name compares without regard to case";
    EXPECT_EQ(store.QueryDword("IsRememberSize"), 1);
    EXPECT_EQ(store.QueryDword("DispMode"), 1);
    const auto widths = platform::QueryColumnWidths(store, "ListColumn");
    ASSERT_TRUE(widths);
    EXPECT_EQ(*widths, (std::vector<int>{150, 222, 150}));
    store.Close();

    CResultDlg again(log, &window);
    const QSize initial = DialogUnits(again.font()).toPixels(250, 180);
    EXPECT_EQ(again.size(), QSize(initial.width() + 40, initial.height() + 30));
    EXPECT_EQ(again.findChild<QTreeView *>()->columnWidth(1), 222);
    EXPECT_EQ(again.DisplayMode(), 1);
}

TEST_F(ResultDlgTest, WithoutRememberSizeTheWidthsAreStoredButNotApplied)
{
    {
        CResultDlg dialog(log, &window);
        dialog.findChild<QTreeView *>()->setColumnWidth(0, 90);
        dialog.resize(dialog.width() + 40, dialog.height());
        WhenModalOpens([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        dialog.exec();
    }
    CResultDlg again(log, &window);
    EXPECT_EQ(again.findChild<QTreeView *>()->columnWidth(0), 150);
    EXPECT_EQ(again.size(), DialogUnits(again.font()).toPixels(250, 180));
}

} // namespace
