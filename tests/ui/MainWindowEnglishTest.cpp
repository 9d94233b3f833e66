// The main window and the program's help in English: the window's own texts
// come from the catalogue when the interface language is English.
#include "FindWidget.h"
#include "app/InterfaceLanguage.h"
#include "platform/Translation.h"
#include "support/TempDir.h"
#include "ui/main/MainDlg.h"
#include "ui/main/SelectionPane.h"
#include "ui/widgets/FileListCtrl.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using platform::Language;
using testing_support::IsolatedUserDirs;
using testing_support::TempDir;

namespace {

class MainWindowEnglishTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(platform::UseLanguage(Language::English, platform::CatalogueFolder()));
        language = std::make_unique<CInterfaceLanguage>();
    }
    void TearDown() override
    {
        language.reset();
        platform::UseLanguage(Language::Japanese, {});
    }

    // The texts of the selection list's context menu.
    static QStringList MenuTexts(CMainDlg &w)
    {
        QStringList texts;
        QTimer::singleShot(20, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction *action : menu->actions())
                texts << action->text();
            menu->close();
        });
        w.Selection().ShowMenu(w.mapToGlobal(QPoint(10, 10)));
        return texts;
    }

    IsolatedUserDirs user;
    TempDir dir;
    std::unique_ptr<CInterfaceLanguage> language;
};

// What `kestrel --help` prints with LC_ALL set to `locale`.
QString HelpUnder(const QString &locale)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KESTREL_GUI_PATH), {QStringLiteral("--help")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST_F(MainWindowEnglishTest, ButtonsListsMenusAndQuestionsAreEnglish)
{
    dir.write("a.txt", "a");
    const std::string file = dir.write("b.txt", "bb");
    CMainDlg w({dir.path(), file});
    w.Selection().WaitForListing();
    QStringList captions;
    w.SetQuestionFunction([&](QWidget *, QMessageBox::Icon, const QString &caption, const QString &,
                              QMessageBox::StandardButtons) {
        captions << caption;
        return QMessageBox::No;
    });

    EXPECT_EQ(Widget<QAbstractButton>(w, "exitButton")->toolTip(), QStringLiteral("Quit"));
    EXPECT_EQ(Widget<QCheckBox>(w, "readOnlyAttrCheck")->text(), QStringLiteral("Read-only"));
    EXPECT_EQ(Widget<QComboBox>(w, "modeCombo")->itemText(0), QStringLiteral("Number"));
    EXPECT_EQ(w.Selection().List()->CurrentView()->model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("Modified"));
    // "..", a.txt and b.txt; the count decides the plural.
    EXPECT_EQ(w.Selection().StatusText(), QStringLiteral(" 3 objects (0 selected) — Filter 1"));
    const QStringList menu = MenuTexts(w);
    EXPECT_TRUE(menu.contains(QStringLiteral("Export file list"))) << menu.join(u',').toStdString();

    Widget<QAbstractButton>(w, "foldersRadio")->click();
    EXPECT_EQ(captions, QStringList{QStringLiteral("Target changed")});
}

TEST(ProgramHelpLanguageTest, HelpIsEnglishForEnglishLocalesOnly)
{
    EXPECT_TRUE(
        HelpUnder(QStringLiteral("en_US.UTF-8")).startsWith(QStringLiteral("Usage: kestrel [PATH...]\n")));
    EXPECT_TRUE(
        HelpUnder(QStringLiteral("C.UTF-8")).startsWith(QStringLiteral("使い方: kestrel [パス...]\n")));
}
