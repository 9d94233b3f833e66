// The start-up question about a run that was cut short: it names the run,
// never defaults to deleting copies, and lets a useless journal be discarded.
#include "ui/main/RecoveryOffer.h"
#include "ModalTesting.h"
#include "exec/Journal.h"
#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <QMessageBox>
#include <QPushButton>

#include <fstream>

#include <gtest/gtest.h>

namespace {

class RecoveryOfferTest : public ::testing::Test {
protected:
    testing_support::IsolatedUserDirs userDirs;
    testing_support::TempDir dir;

    std::string PutJournal(const std::string &text)
    {
        EXPECT_EQ(platform::EnsureDirectory(exec::JournalDirectory()), 0);
        const std::string path = exec::JournalDirectory() + "/run-1-1.journal";
        std::ofstream(path) << text;
        return path;
    }
};

TEST_F(RecoveryOfferTest, ACopyRunIsNamedAndItsDeletionIsNotTheDefault)
{
    const std::string journal =
        PutJournal("KESTREL-JOURNAL 3\nC\t" + dir.write("a", "A") + "\t" + dir.file("out-a") + "\t0\t0\t0\n");
    QString text;
    bool defaultIsFinish = false;
    WhenModalOpens([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        defaultIsFinish = box->defaultButton() == box->button(QMessageBox::No);
        ClickButton(modal, QStringLiteral("記録を破棄"));
    });
    OfferJournalRecovery(nullptr);
    EXPECT_TRUE(text.contains(QStringLiteral("複写"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(dir.path()))) << text.toStdString();
    EXPECT_TRUE(defaultIsFinish);
    EXPECT_TRUE(exec::FindLeftoverJournals().empty());
    EXPECT_TRUE(testing_support::Exists(dir.file("a")));
}

TEST_F(RecoveryOfferTest, AnUnreadableJournalIsReportedAndCanBeDiscarded)
{
    PutJournal("not a journal\n");
    QString text;
    WhenModalOpens([&](QWidget *modal) {
        text = qobject_cast<QMessageBox *>(modal)->text();
        ClickButton(modal, QStringLiteral("記録を破棄"));
    });
    OfferJournalRecovery(nullptr);
    EXPECT_TRUE(text.contains(QStringLiteral("使えません"))) << text.toStdString();
    EXPECT_TRUE(exec::FindLeftoverJournals().empty());
}

} // namespace
