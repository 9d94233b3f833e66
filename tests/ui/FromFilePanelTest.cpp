// The names-from-file panel and the file dialog that fills its path field.
#include "ui/panels/FromFilePanel.h"
#include "PanelTesting.h"

#include "platform/HistoryList.h"
#include "ui/widgets/ImageButton.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class FromFilePanelTest : public ShownPanelFixture {};

TEST_F(FromFilePanelTest, BrowsingForTheInputFileFillsTheFieldAndRefreshesEvenOnCancel)
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

} // namespace
