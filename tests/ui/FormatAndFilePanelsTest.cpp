// The format, names-from-file, numbered-directory and concatenation panels:
// what the main window reads from them, their number fields and enabled
// states, the placeholder lists that append to a text field, and the file
// dialogs that fill a path field.
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "engine/RenameSettings.h"
#include "platform/HistoryList.h"
#include "ui/dialogs/FormatHelpDlg.h"
#include "ui/dialogs/SepCharsDlg.h"
#include "ui/panels/ConcatPanel.h"
#include "ui/panels/FormatPanel.h"
#include "ui/panels/FromFilePanel.h"
#include "ui/panels/NumDirPanel.h"
#include "ui/panels/NumberField.h"
#include "ui/panels/PanelFactory.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/ImageButton.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

template <class T> std::vector<T *> Children(QWidget &panel)
{
    const auto found = panel.findChildren<T *>(Qt::FindDirectChildrenOnly);
    return {found.begin(), found.end()};
}

void AddRow(CPlaceholderListDlg *list, int row)
{
    list->List()->setCurrentRow(row);
    list->AddButton()->click();
}

// The change reports still queued (the panels coalesce a burst into one).
int PendingChanges(CModePanel &panel)
{
    QSignalSpy changed(&panel, &CModePanel::PanelChanged);
    QCoreApplication::processEvents();
    return int(changed.count());
}

// Runs `check` on the file dialog that opens next, then chooses `path` in it
// (or cancels it when `path` is empty).
void WhenFileDialogOpens(std::function<void(QFileDialog *)> check, const std::string &path)
{
    WhenModalOpens([check = std::move(check), path](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_TRUE(dialog);
        check(dialog);
        if (path.empty())
            return dialog->reject();
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog *>(dialog)->accept();
    });
}

} // namespace

class MorePanelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(800, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    testing_support::IsolatedUserDirs userDirs;
    testing_support::TempDir dir;
    HostDialog window;
    CRenameSettings settings;
    CRenameSettings read;
};

TEST_F(MorePanelsTest, FactoryMakesTheFormatFileDirectoryAndConcatenationPanels)
{
    const std::pair<RenameKind, const char *> panels[] = {{RenameKind::Format, "CFormatPanel"},
                                                          {RenameKind::FromFile, "CFromFilePanel"},
                                                          {RenameKind::NumberedDirectories, "CNumDirPanel"},
                                                          {RenameKind::Concatenation, "CConcatPanel"}};
    for (const auto &[mode, className] : panels) {
        const std::unique_ptr<CModePanel> panel(CreateModePanel(mode, &window));
        EXPECT_STREQ(panel->metaObject()->className(), className);
    }
}

TEST_F(MorePanelsTest, FormatPlaceholdersAreAppendedAtTheEndAndThePreviewFollows)
{
    CFormatPanel panel(&window);
    panel.SetFromSettings(settings);
    auto *list = panel.findChild<CFormatHelpDlg *>();
    ASSERT_EQ(list->List()->count(), 15);
    EXPECT_EQ(list->List()->currentRow(), 0);
    CHistoryComboBox *format = Children<CHistoryComboBox>(panel)[0];
    format->SetCurrentText("%f_");
    format->lineEdit()->setCursorPosition(0);
    QCoreApplication::processEvents();

    AddRow(list, 4);
    panel.ReadInto(read);
    EXPECT_EQ(read.FormatStr, "%f_%n") << "at the end, not at the caret";
    EXPECT_EQ(PendingChanges(panel), 1);

    format->SetCurrentText("");
    for (int row : {5, 6, 0, 14})
        AddRow(list, row);
    EXPECT_EQ(format->CurrentText(), "%n%n%F%s") << "the example rows append a bare %n";
}

TEST_F(MorePanelsTest, FormatListOpensBelowTheFieldHoldsTheWindowAndHidesWhenDeactivated)
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

TEST_F(MorePanelsTest, BrowsingForTheInputFileFillsTheFieldAndRefreshesEvenOnCancel)
{
    const std::string names = dir.write("names.TXT", "a\n");
    dir.write("other.txt");
    dir.write("image.jpg");
    auto *panel = new CFromFilePanel(&window);
    panel->SetFromSettings(settings);
    CHistoryComboBox *input = Children<CHistoryComboBox>(*panel)[0];
    input->SetCurrentText(dir.file("typed.txt"));
    QCoreApplication::processEvents();

    bool interactiveWhileOpen = true;
    WhenFileDialogOpens(
        [&](QFileDialog *dialog) {
            interactiveWhileOpen = window.interactive;
            EXPECT_EQ(dialog->windowTitle(), "入力ファイル選択");
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(dialog->directory().absolutePath().toStdString(), dir.path());
            const QString textPatterns = dialog->nameFilters().value(0).section('(', 1).chopped(1);
            EXPECT_EQ(dialog->directory().entryList(textPatterns.split(' '), QDir::Files),
                      (QStringList{"names.TXT", "other.txt"}));
        },
        names);
    Children<CImageButton>(*panel)[0]->click();
    EXPECT_FALSE(interactiveWhileOpen);
    EXPECT_TRUE(window.interactive);
    panel->ReadInto(read);
    EXPECT_EQ(read.InputFile, names);
    EXPECT_EQ(input->Entries(), (std::vector<std::string>{names, dir.file("typed.txt")}));
    EXPECT_EQ(PendingChanges(*panel), 1);

    WhenFileDialogOpens([](QFileDialog *) {}, {});
    Children<CImageButton>(*panel)[0]->click();
    EXPECT_EQ(input->CurrentText(), names);
    EXPECT_EQ(PendingChanges(*panel), 1);

    input->SetCurrentText("  ");
    panel->SaveHistories();
    EXPECT_EQ(platform::LoadHistory("History", "InputFile").front(), names) << "an empty path is dropped";
}

TEST_F(MorePanelsTest, NumberedDirectoryFieldsAreReadBackWithTheCountKeptWithinOneToAThousand)
{
    CNumDirPanel panel(&window);
    panel.ReadInto(read);
    EXPECT_EQ(read.NumDirWidth, 0) << "nothing is shown before the record";
    settings.NumDirWidth = 2;
    settings.NumDirStep = 5;
    settings.NumDirCount = 30;
    panel.SetFromSettings(settings);
    Children<CHistoryComboBox>(panel)[0]->SetCurrentText("dir");
    panel.ReadInto(read);
    EXPECT_EQ(read.GetNumberedDirName(2), "dir11");
    EXPECT_EQ(read.NumDirCount, 30);

    const auto fields = Children<CNumberField>(panel);
    CNumberField *start = fields[0];
    CNumberField *count = fields[1];
    start->SetText("1234567");
    EXPECT_EQ(start->Text(), "999999");
    count->SetText("");
    QTest::keyClicks(count, "5000");
    EXPECT_EQ(count->Text(), "1000");
    count->SetText("0");
    EXPECT_EQ(count->Text(), "1");
    count->SetText("");
    panel.ReadInto(read);
    EXPECT_EQ(read.NumDirCount, 0) << "an empty count empties the candidate list";
    QCoreApplication::processEvents();

    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(count, &focusOut);
    EXPECT_EQ(count->Text(), "1");
    EXPECT_EQ(PendingChanges(panel), 1);
    QApplication::sendEvent(count, &focusOut);
    EXPECT_EQ(PendingChanges(panel), 1) << "leaving the count always reports a change";
}

TEST_F(MorePanelsTest, ConcatenationSettingsAreReadBackAndTheSeparatorIsUsableOnlyWhenWritten)
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

TEST_F(MorePanelsTest, SpecialCharacterRowsAppendTheirTokensWithoutHoldingTheWindow)
{
    settings.SepaMode = SeparatorPlacement::First;
    auto *panel = new CConcatPanel(&window);
    panel->SetFromSettings(settings);
    panel->show();
    auto *list = panel->findChild<CSepCharsDlg *>();
    ASSERT_EQ(list->List()->count(), 10);
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

TEST_F(MorePanelsTest, OutputFileMayBeANewFile)
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
