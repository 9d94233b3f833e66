#include "ui/main/RecoveryOffer.h"

#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"

#include <QMessageBox>

void OfferJournalRecovery(QWidget *parent)
{
    for (const std::string &journal : exec::FindLeftoverJournals()) {
        std::vector<exec::CJournalEntry> entries;
        if (!exec::ReadJournal(journal, entries))
            continue;
        const QString text = QStringLiteral("前回の実行が途中で終了しました（%1 個のファイル）。\n"
                                            "一時的な名前のまま残ったファイルを元の名前に戻しますか？\n"
                                            "『いいえ』を選択すると変更後の名前に移します。")
                                 .arg(entries.size());
        const auto answer = QMessageBox::question(parent, QStringLiteral("Kestrel（復旧）"), text,
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            continue;
        const exec::CRecoveryReport report =
            exec::RecoverJournal(journal, answer == QMessageBox::Yes ? exec::RecoveryTarget::OldName
                                                                     : exec::RecoveryTarget::NewName);
        if (!report.busyFolder.empty()) {
            QMessageBox::warning(parent, QStringLiteral("Kestrel（復旧）"),
                                 QString::fromStdString(exec::BusyFolderMessage(report.busyFolder)));
            continue;
        }
        QStringList failed;
        for (const exec::CRecoveryStep &step : report.steps) {
            if (step.code != 0)
                failed << QString::fromStdString(step.from);
        }
        if (!failed.isEmpty())
            QMessageBox::warning(parent, QStringLiteral("Kestrel（復旧）"),
                                 QStringLiteral("次のファイルを移せませんでした：\n") +
                                     failed.join(QLatin1Char('\n')));
    }
}
