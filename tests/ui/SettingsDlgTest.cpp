// The settings dialog: its pages, what they store and when it closes.
#include "ui/settings/SettingsDlg.h"
#include "FindWidget.h"
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "app/EnvSettings.h"
#include "app/InterfaceLanguage.h"
#include "app/LaunchList.h"
#include "platform/Translation.h"
#include "ui/main/CommandBar.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionList.h"
#include "ui/main/SelectionPane.h"
#include "ui/settings/BehaviourPage.h"
#include "ui/settings/ChoiceGroup.h"
#include "ui/settings/LaunchPage.h"
#include "ui/settings/ListDisplayPage.h"
#include "ui/settings/StartupPage.h"
#include "ui/widgets/FileListCtrl.h"
#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/ImageButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

class SettingsDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.Load();
        launchers.Load();
    }

    std::unique_ptr<CSettingsDlg> Open(int firstPage)
    {
        env.FirstCustom = firstPage;
        return std::make_unique<CSettingsDlg>(env, launchers);
    }

    // Typing text that has no key of its own, as an input method delivers it.
    static void Type(QWidget *widget, const QString &text)
    {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
    }

    template <class Page> static Page *PageOf(const CSettingsDlg &dialog)
    {
        return dialog.findChild<Page *>();
    }

    static CEnvSettings Stored()
    {
        CEnvSettings stored;
        stored.Load();
        return stored;
    }

    // Answers the next message box, keeping its title and text.
    void AnswerMessage()
    {
        WhenModalOpens([this](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            messageTitle = box->windowTitle();
            messageText = box->text();
            box->accept();
        });
    }

    IsolatedUserDirs user;
    CEnvSettings env;
    CLaunchList launchers;
    QString messageTitle;
    QString messageText;
};

TEST_F(SettingsDlgTest, OpensOnTheStoredFirstPageOrOnNone)
{
    auto dialog = Open(3);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kestrel（環境設定）"));
    EXPECT_EQ(dialog->CurrentPage(), 3);
    EXPECT_NE(PageOf<CLaunchPage>(*dialog), nullptr);
    EXPECT_EQ(Widget<QTabBar>(*dialog, "tabs")->tabText(1), QStringLiteral("動　作"));

    dialog = Open(7);
    EXPECT_EQ(dialog->CurrentPage(), -1);
    EXPECT_EQ(PageOf<CSettingsPage>(*dialog), nullptr);
    // Even the tab that looks chosen shows its page when clicked.
    emit Widget<QTabBar>(*dialog, "tabs")->tabBarClicked(0);
    EXPECT_NE(PageOf<CListDisplayPage>(*dialog), nullptr);
}

TEST_F(SettingsDlgTest, OnlyTheVisiblePageExistsAndItsValuesSurviveTabChanges)
{
    auto dialog = Open(0);
    QTabBar *tabs = Widget<QTabBar>(*dialog, "tabs");
    QPointer<CSettingsPage> first = PageOf<CSettingsPage>(*dialog);
    Widget<CChoiceGroup>(*dialog, "viewChoice")->Choice(2)->click();
    tabs->setCurrentIndex(2);
    EXPECT_TRUE(first.isNull()) << "the page left is destroyed";
    EXPECT_EQ(dialog->Env().SrcListType, 2);
    tabs->setCurrentIndex(0);
    EXPECT_TRUE(Widget<CChoiceGroup>(*dialog, "viewChoice")->Choice(2)->isChecked());
}

TEST_F(SettingsDlgTest, ChangedFlagsFollowWhatThePagesReport)
{
    auto dialog = Open(0);
    dialog->ShowPage(1);
    dialog->ShowPage(2);
    EXPECT_FALSE(dialog->DisplayChanged()) << "a visit alone changes nothing";
    EXPECT_FALSE(dialog->BehaviourChanged()) << "the active filter has no pattern";

    dialog->ShowPage(0);
    emit Widget<QComboBox>(*dialog, "sortCombo")->activated(1);
    dialog->ShowPage(2);
    EXPECT_TRUE(dialog->DisplayChanged());
    EXPECT_FALSE(dialog->BehaviourChanged());

    // A pattern shown when the behaviour page opens counts as a change.
    env.Filters[0].Filter = "*.txt";
    dialog = Open(1);
    dialog->reject();
    EXPECT_TRUE(dialog->BehaviourChanged());
    EXPECT_FALSE(dialog->DisplayChanged());
}

TEST_F(SettingsDlgTest, ListDisplayEnablesGridAndNumericSortOnlyWhereTheyApply)
{
    auto dialog = Open(0);
    ASSERT_NE(PageOf<CListDisplayPage>(*dialog), nullptr);
    auto *grid = Widget<QCheckBox>(*dialog, "gridCheck");
    auto *sortNum = Widget<QCheckBox>(*dialog, "sortNumCheck");
    auto *sort = Widget<QComboBox>(*dialog, "sortCombo");
    EXPECT_FALSE(grid->isEnabled());
    EXPECT_TRUE(sortNum->isEnabled());
    Widget<CChoiceGroup>(*dialog, "selectChoice")->Choice(1)->click();
    sort->setCurrentIndex(3);
    emit sort->activated(3);
    EXPECT_TRUE(grid->isEnabled());
    EXPECT_FALSE(sortNum->isEnabled());
}

TEST_F(SettingsDlgTest, BehaviourPageKeepsAllSevenFilterRecords)
{
    auto dialog = Open(1);
    auto *page = PageOf<CBehaviourPage>(*dialog);
    int beeps = 0;
    page->SetBeep([&beeps] { ++beeps; });
    auto *combo = Widget<QComboBox>(*page, "filterCombo");
    auto *pattern = Widget<QLineEdit>(*page, "patternEdit");
    auto *hideHidden = Widget<QCheckBox>(*page, "hideHiddenCheck");
    ASSERT_EQ(combo->count(), 7);

    combo->setCurrentIndex(1);
    pattern->setText(QStringLiteral("*.jpg;*.png"));
    hideHidden->click();
    combo->setCurrentIndex(2);
    EXPECT_TRUE(pattern->text().isEmpty());
    EXPECT_FALSE(hideHidden->isChecked());
    combo->setCurrentIndex(1);
    EXPECT_EQ(pattern->text(), QStringLiteral("*.jpg;*.png"));
    EXPECT_TRUE(hideHidden->isChecked());

    // Typing in the combo's field renames the filter edited.
    combo->lineEdit()->clear();
    Type(combo->lineEdit(), QStringLiteral("画像"));

    // The free filter is chosen but neither renamed nor edited here.
    combo->setCurrentIndex(CEnvSettings::kFreeFilterIndex);
    EXPECT_FALSE(pattern->isEnabled());
    EXPECT_FALSE(Widget<QCheckBox>(*page, "hideReadOnlyCheck")->isEnabled());
    EXPECT_FALSE(Widget<QPushButton>(*page, "extensionButton")->isEnabled());
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(combo->lineEdit()->text(), QStringLiteral("--- 任意フィルタ ---"));

    combo->showPopup();
    EXPECT_EQ(combo->itemText(1), QStringLiteral("画像"));
    combo->hidePopup();

    dialog->accept();
    const CEnvSettings &result = dialog->Env();
    EXPECT_EQ(result.FilterMode, CEnvSettings::kFreeFilterIndex);
    EXPECT_EQ(result.Filters[1].Title, "画像");
    EXPECT_EQ(result.Filters[1].Filter, "*.jpg;*.png");
    EXPECT_EQ(result.Filters[1].IsNoHidden, 1);
    EXPECT_EQ(result.Filters[5].Title, "--- 任意フィルタ ---");
    // OK stores the filters; the active filter lasts only for this run.
    const CEnvSettings stored = Stored();
    EXPECT_EQ(stored.Filters[1].Title, "画像");
    EXPECT_EQ(stored.Filters[1].Filter, "*.jpg;*.png");
    EXPECT_EQ(stored.FilterMode, 0);
}

TEST_F(SettingsDlgTest, InitialValuesButtonsStoreThePageOverTheDefaultsOnly)
{
    env.IsAsk = 1; // a running value that differs from the default
    auto dialog = Open(0);
    Widget<CChoiceGroup>(*dialog, "sizeChoice")->Choice(1)->click();
    AnswerMessage();
    Widget<QPushButton>(*dialog, "initialButton")->click();
    EXPECT_EQ(messageTitle, QStringLiteral("Kestrel"));
    EXPECT_EQ(messageText, QStringLiteral("リスト表示の初期値を変更しました。"));
    EXPECT_EQ(dialog->Env().FileSizeType, 0) << "the dialog's copy is left alone";

    dialog->ShowPage(1);
    Widget<QCheckBox>(*dialog, "dispLogCheck")->click();
    AnswerMessage();
    Widget<QPushButton>(*dialog, "initialButton")->click();
    EXPECT_EQ(messageText, QStringLiteral("動作の初期値を変更しました。"));
    dialog->reject();

    const CEnvSettings stored = Stored();
    EXPECT_EQ(stored.FileSizeType, 1);
    EXPECT_EQ(stored.IsDispLog, 1);
    EXPECT_EQ(stored.IsAsk, 1) << "the page's values, not the defaults, are stored";
}

TEST_F(SettingsDlgTest, FirstPageButtonStoresOnlyTheFirstPage)
{
    auto dialog = Open(0);
    dialog->ShowPage(2);
    Widget<QCheckBox>(*dialog, "multiExecCheck")->click();
    ClickButton(dialog.get(), QStringLiteral("起動時に最初に表示"));
    dialog->reject();
    const CEnvSettings stored = Stored();
    EXPECT_EQ(stored.FirstCustom, 2);
    EXPECT_EQ(stored.IsMultiExec, 0) << "cancel stores nothing";
    EXPECT_EQ(dialog->Env().IsMultiExec, 1);
}

TEST_F(SettingsDlgTest, OkStoresTheStartUpOptions)
{
    TempDir dir;
    auto dialog = Open(2);
    ASSERT_NE(PageOf<CStartupPage>(*dialog), nullptr);
    auto *directory = Widget<CHistoryComboBox>(*dialog, "directoryCombo");
    EXPECT_FALSE(directory->isEnabled());
    Widget<CChoiceGroup>(*dialog, "directoryChoice")->Choice(1)->click();
    EXPECT_TRUE(Widget<CImageButton>(*dialog, "browseButton")->isEnabled());
    directory->SetCurrentText(dir.path());
    Widget<CChoiceGroup>(*dialog, "splitChoice")->Choice(2)->click();
    ClickButton(dialog.get(), QStringLiteral("設定"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const CEnvSettings stored = Stored();
    EXPECT_EQ(stored.DirectoryMode, 1);
    EXPECT_EQ(stored.DefDirectory, dir.path());
    EXPECT_EQ(stored.SplitMode, 2);
}

TEST_F(SettingsDlgTest, EnterAndEscapeInsideAPageDoNotCloseTheDialog)
{
    auto dialog = Open(1);
    dialog->show();
    auto *inside = Widget<QCheckBox>(*dialog, "askCheck");
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(inside, Qt::Key(key));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(Widget<QCheckBox>(*dialog, "askCheck")->isChecked());
}

// English while it lives, Japanese again afterwards whatever the test did.
class EnglishInterface {
public:
    EnglishInterface()
        : m_loaded(platform::UseLanguage(platform::Language::English, platform::CatalogueFolder())),
          m_language(std::in_place)
    {
    }
    ~EnglishInterface()
    {
        m_language.reset();
        platform::UseLanguage(platform::Language::Japanese, {});
    }
    bool Loaded() const { return m_loaded; }

private:
    bool m_loaded;
    // Made after the language is chosen: it installs that language's catalogue.
    std::optional<CInterfaceLanguage> m_language;
};

TEST_F(SettingsDlgTest, PagesAreEnglishWithTheEnglishCatalogue)
{
    EnglishInterface english;
    ASSERT_TRUE(english.Loaded());
    auto dialog = Open(0);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kestrel (Settings)"));
    EXPECT_EQ(Widget<QTabBar>(*dialog, "tabs")->tabText(1), QStringLiteral("Behavior"));
    auto *view = Widget<CChoiceGroup>(*dialog, "viewChoice");
    EXPECT_EQ(view->title(), QStringLiteral("Selection list view"));
    EXPECT_EQ(view->Choice(2)->text(), QStringLiteral("Small icons"));
    EXPECT_EQ(Widget<QComboBox>(*dialog, "sortCombo")->itemText(3), QStringLiteral("Modified"));

    // The history page's items come from a table marked for translation.
    dialog = Open(4);
    EXPECT_EQ(Widget<QComboBox>(*dialog, "item")->itemText(0), QStringLiteral("[Main] Selected folder"));
}

} // namespace
