// The format panel: the placeholder list that appends to the format and
// opens below the field.
#include "ui/panels/FormatPanel.h"
#include "PanelTesting.h"

#include "ui/dialogs/FormatHelpDlg.h"
#include "ui/widgets/ImageButton.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class FormatPanelTest : public ShownPanelFixture {};

TEST_F(FormatPanelTest, FormatPlaceholdersAreAppendedAtTheEndAndThePreviewFollows)
{
    CFormatPanel panel(&window);
    panel.SetFromSettings(settings);
    auto *list = panel.findChild<CFormatHelpDlg *>();
    auto *rows = Widget<QListWidget>(*list, "placeholderList");
    ASSERT_EQ(rows->count(), 23);
    EXPECT_EQ(rows->currentRow(), 0);
    CHistoryComboBox *format = Children<CHistoryComboBox>(panel)[0];
    format->SetCurrentText("%f_");
    format->lineEdit()->setCursorPosition(0);
    QCoreApplication::processEvents();

    AddRow(list, 4);
    panel.ReadInto(read);
    EXPECT_EQ(read.FormatStr, "%f_%n") << "at the end, not at the caret";
    EXPECT_EQ(PendingChanges(panel), 1);

    format->SetCurrentText("");
    for (int row : {5, 6, 0, 14, 15, 22})
        AddRow(list, row);
    EXPECT_EQ(format->CurrentText(), "%n%n%F%s%{camera}%{year}") << "the example rows append a bare %n";
}

TEST_F(FormatPanelTest, DateSourceIsShownAndReadBack)
{
    CFormatPanel panel(&window);
    settings.DateSource = TimeSource::Taken;
    panel.SetFromSettings(settings);
    auto *dateSource = Widget<QComboBox>(panel, "dateSource");
    EXPECT_EQ(dateSource->currentIndex(), 1);
    EXPECT_TRUE(ReportsChange(panel, [&] { Choose(dateSource, 0); }));
    panel.ReadInto(read);
    EXPECT_EQ(read.DateSource, TimeSource::Modified);
}

TEST_F(FormatPanelTest, FormatListOpensBelowTheFieldHoldsTheWindowAndHidesWhenDeactivated)
{
    auto *panel = new CFormatPanel(&window);
    panel->SetFromSettings(settings);
    panel->show();
    auto *list = panel->findChild<CFormatHelpDlg *>();
    CHistoryComboBox *format = Children<CHistoryComboBox>(*panel)[0];
    CImageButton *helpButton = Children<CImageButton>(*panel)[0];

    helpButton->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list));
    const QPoint corner = format->mapToGlobal(QPoint(format->width(), format->height()));
    EXPECT_EQ(list->frameGeometry().right() + 1, corner.x());
    EXPECT_EQ(list->frameGeometry().top(), corner.y());
    EXPECT_FALSE(window.interactive);
    AddRow(list, 1);
    EXPECT_TRUE(list->isVisible()) << "adding leaves the list open";

    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));
    EXPECT_TRUE(window.interactive);

    helpButton->click();
    const QPointer<CFormatHelpDlg> openList(list);
    delete panel;
    EXPECT_TRUE(openList.isNull()) << "the list goes with its panel";
    EXPECT_TRUE(window.interactive);
}

} // namespace
