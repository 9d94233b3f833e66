// The concatenation panel: what the main window reads back, when the
// separator is usable, the special-character list and the output file.
#include "ui/panels/ConcatPanel.h"
#include "PanelTesting.h"

#include "ui/dialogs/SepCharsDlg.h"
#include "ui/widgets/ImageButton.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class ConcatPanelTest : public ShownPanelFixture {};

TEST_F(ConcatPanelTest, ConcatenationSettingsAreReadBackAndTheSeparatorIsUsableOnlyWhenWritten)
{
    settings.RetMode = LineEnds::CrLf;
    settings.EofMode = EofMark::AtEnd;
    settings.IsDelete = 1;
    CConcatPanel panel(&window);
    panel.SetFromSettings(settings);
    const auto combos = Children<CHistoryComboBox>(panel);
    combos[0]->SetCurrentText("/tmp/out.txt");
    combos[1]->SetCurrentText("== %f ==");
    Children<QCheckBox>(panel)[0]->click();
    panel.ReadInto(read);
    EXPECT_EQ(read.OutputFile, "/tmp/out.txt");
    EXPECT_EQ(read.Sepa, "== %f ==");
    EXPECT_EQ(read.SepaMode, SeparatorPlacement::None);
    EXPECT_EQ(read.RetMode, LineEnds::CrLf);
    EXPECT_EQ(read.EofMode, EofMark::AtEnd);
    EXPECT_TRUE(read.IsAppend);
    EXPECT_TRUE(read.IsDelete);

    CImageButton *charsButton = Children<CImageButton>(panel)[1];
    EXPECT_FALSE(combos[1]->isEnabled());
    EXPECT_FALSE(charsButton->isEnabled());
    QCoreApplication::processEvents();
    QComboBox *mode = Children<QComboBox>(panel)[1];
    mode->setCurrentIndex(2);
    emit mode->activated(2);
    EXPECT_TRUE(combos[1]->isEnabled());
    EXPECT_TRUE(charsButton->isEnabled());
    EXPECT_EQ(PendingChanges(panel), 1);
}

TEST_F(ConcatPanelTest, SpecialCharacterRowsAppendTheirTokensWithoutHoldingTheWindow)
{
    settings.SepaMode = SeparatorPlacement::First;
    auto *panel = new CConcatPanel(&window);
    panel->SetFromSettings(settings);
    panel->show();
    auto *list = panel->findChild<CSepCharsDlg *>();
    ASSERT_EQ(Widget<QListWidget>(*list, "placeholderList")->count(), 10);
    CHistoryComboBox *separator = Children<CHistoryComboBox>(*panel)[1];
    separator->SetCurrentText("== ");
    QCoreApplication::processEvents();

    Children<CImageButton>(*panel)[1]->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list));
    EXPECT_TRUE(window.interactive);
    for (int row : {2, 9, 8})
        AddRow(list, row);
    EXPECT_EQ(separator->CurrentText(), "== %f%%%n");
    EXPECT_EQ(PendingChanges(*panel), 1);
}

TEST_F(ConcatPanelTest, OutputFileMayBeANewFile)
{
    auto *panel = new CConcatPanel(&window);
    panel->SetFromSettings(settings);
    CHistoryComboBox *output = Children<CHistoryComboBox>(*panel)[0];
    output->SetCurrentText(dir.file("joined.txt"));
    WhenFileDialogOpens(
        [&](QFileDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "出力ファイル選択");
            EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        },
        dir.file("new.txt"));
    Children<CImageButton>(*panel)[0]->click();
    EXPECT_EQ(output->CurrentText(), dir.file("new.txt"));
}

} // namespace
