#include "ui/main/RecoveryOffer.h"

#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "ui/widgets/ShownText.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The context of this file's texts in the catalogue.
class RecoveryOffer {
    Q_DECLARE_TR_FUNCTIONS(RecoveryOffer)
};

QString Caption()
{
    return RecoveryOffer::tr("Kestrel（復旧）");
}

QString Reason(int code)
{
    return QString::fromStdString(platform::ErrorMessage(code));
}

// A journal nothing can be done with (unreadable, or a folder of its run is
// gone): said so, with the choice of discarding it. True when discarded.
bool OfferDiscard(QWidget *parent, const std::string &journal, const QString &why)
{
    QMessageBox box(QMessageBox::Warning, Caption(),
                    RecoveryOffer::tr("中断された実行の記録を使えません。\n%1\n%2\n\n"
                                      "記録を破棄しますか？（ファイルはそのままです）")
                        .arg(ShownText(journal), why),
                    QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Discard)->setText(RecoveryOffer::tr("記録を破棄"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Discard)
        return false;
    const exec::CRecoveryReport report = exec::RecoverJournal(journal, exec::RecoveryTarget::Discard);
    if (!report.journalRemoved)
        QMessageBox::warning(
            parent, Caption(),
            RecoveryOffer::tr("記録を削除できません：%1\n%2")
                .arg(ShownText(journal), Reason(report.removeError ? report.removeError : report.readError)));
    return report.journalRemoved;
}

// Asks what to do with the run of a readable journal: take it back (Yes),
// finish it (No), discard the journal (Discard) or ask again next time.
// Taking back a copy run deletes its copies, so that is never the default.
QMessageBox::StandardButton AskAboutRun(QWidget *parent, const exec::CJournalSummary &run)
{
    const QString stopped = run.concatenation ? RecoveryOffer::tr("前回の連結が途中で終了しました。")
                            : run.copies ? RecoveryOffer::tr("前回の複写が途中で終了しました。")
                                         : RecoveryOffer::tr("前回の変名が途中で終了しました。");
    const QString back =
        run.concatenation ? RecoveryOffer::tr("書きかけの出力ファイルはどちらを選んでも削除します。"
                                              "ごみ箱に移す途中だった元ファイルを元の場所に戻しますか？")
        : run.copies ? RecoveryOffer::tr("作った複写を削除して実行前に戻しますか？")
                     : RecoveryOffer::tr("一時的な名前のまま残ったファイルを元の名前に戻しますか？");
    const QString forward = run.copies ? RecoveryOffer::tr("『いいえ』を選択すると残りの複写を作ります。")
                                       : RecoveryOffer::tr("『いいえ』を選択すると変更後の名前に移します。");
    QMessageBox box(
        QMessageBox::Question, Caption(),
        RecoveryOffer::tr("%1\nフォルダ：%2\n%n 個のファイル\n\n%3\n%4", nullptr, static_cast<int>(run.files))
            .arg(stopped, ShownText(platform::DisplayDirectory(run.folder)), back, forward),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Discard)->setText(RecoveryOffer::tr("記録を破棄"));
    box.setDefaultButton(run.copies ? QMessageBox::No : QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ReportRecovery(QWidget *parent, const std::string &journal, const exec::CRecoveryReport &report)
{
    if (!report.busyFolder.empty()) {
        QMessageBox::warning(parent, Caption(),
                             QString::fromStdString(exec::BusyFolderMessage(report.busyFolder)));
        return;
    }
    if (!report.missingFolder.empty()) {
        OfferDiscard(parent, journal,
                     RecoveryOffer::tr("ディレクトリ［%1］を開けません：%2")
                         .arg(ShownText(platform::DisplayDirectory(report.missingFolder)),
                              Reason(report.folderError)));
        return;
    }
    QStringList failed;
    for (const exec::CRecoveryStep &step : report.steps) {
        if (step.code != 0)
            failed << RecoveryOffer::tr("%1（%2）").arg(ShownText(step.from), Reason(step.code));
    }
    if (!failed.isEmpty())
        QMessageBox::warning(
            parent, Caption(),
            RecoveryOffer::tr("次のファイルを移せませんでした：\n%1").arg(failed.join(QLatin1Char('\n'))));
    if (report.removeError)
        QMessageBox::warning(parent, Caption(),
                             RecoveryOffer::tr("記録を削除できません：%1\n%2")
                                 .arg(ShownText(journal), Reason(report.removeError)));
}

} // namespace

void OfferJournalRecovery(QWidget *parent)
{
    for (const std::string &journal : exec::FindLeftoverJournals()) {
        exec::CJournalSteps steps;
        int readError = 0;
        if (!steps.Open(journal, &readError)) {
            OfferDiscard(parent, journal,
                         readError ? Reason(readError) : RecoveryOffer::tr("実行の記録ではありません。"));
            continue;
        }
        const auto answer = AskAboutRun(parent, exec::SummarizeJournal(steps));
        if (answer == QMessageBox::Cancel)
            continue;
        const exec::RecoveryTarget target = answer == QMessageBox::Yes  ? exec::RecoveryTarget::OldName
                                            : answer == QMessageBox::No ? exec::RecoveryTarget::NewName
                                                                        : exec::RecoveryTarget::Discard;
        ReportRecovery(parent, journal, exec::RecoverJournal(journal, target));
    }
}
