// The rename-mode panels and the dialogs in English: captions made in the
// panels, in shared rows and in static tables, and a question with a file name
// put into it, all come from the catalogue.
#include "FindWidget.h"
#include "ui/dialogs/FormatHelpDlg.h"
#include "ui/dialogs/OverwriteDlg.h"
#include "ui/panels/RenumPanel.h"

#include "app/InterfaceLanguage.h"
#include "platform/Translation.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <memory>

#include <gtest/gtest.h>

namespace {

QStringList TextsOf(const QList<QLabel *> &labels)
{
    QStringList texts;
    for (const QLabel *label : labels)
        texts << label->text();
    return texts;
}

// The interface is English while a test runs, Japanese again afterwards.
class EnglishDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(platform::UseLanguage(platform::Language::English, platform::CatalogueFolder()));
        m_language = std::make_unique<CInterfaceLanguage>();
    }
    void TearDown() override
    {
        m_language.reset();
        platform::UseLanguage(platform::Language::Japanese, {});
    }

private:
    std::unique_ptr<CInterfaceLanguage> m_language;
};

TEST_F(EnglishDialogsTest, ARenumberPanelHasEnglishCaptionsFromThePanelAndItsSharedRows)
{
    CRenumPanel panel(nullptr);
    const QStringList labels = TextsOf(panel.findChildren<QLabel *>());
    // Its own captions, and those of the number row and the extension field.
    for (const char *caption : {"Prefix", "Suffix", "Number", "Width", "Start", "Step"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
    QStringList checks;
    for (const QCheckBox *check : panel.findChildren<QCheckBox *>())
        checks << check->text();
    EXPECT_TRUE(checks.contains(QStringLiteral("Advance start")));
    EXPECT_TRUE(checks.contains(QStringLiteral("Extension")));
}

TEST_F(EnglishDialogsTest, TheOverwriteQuestionNamesTheFileInEnglish)
{
    // A name that looks like a placeholder stays as it is.
    COverwriteDlg dialog("/photos/100%2 img.jpg", nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Replace file"));
    EXPECT_EQ(Widget<QLabel>(dialog, "message")->text(),
              QStringLiteral("‘/photos/100%2 img.jpg’ exists already.\n\nDo you want to replace it?"));
    EXPECT_EQ(Widget<QPushButton>(dialog, "all")->text(), QStringLiteral("Replace &all"));
}

TEST_F(EnglishDialogsTest, APlaceholderListShowsItsTableInEnglish)
{
    CFormatHelpDlg list(nullptr);
    const auto *rows = Widget<QListWidget>(list, "placeholderList");
    EXPECT_EQ(rows->item(0)->text(), QStringLiteral("- %F: file name"));
    EXPECT_EQ(Widget<QPushButton>(list, "addButton")->text(), QStringLiteral("Add"));
}

} // namespace
