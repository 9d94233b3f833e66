#include "ui/main/FileOperations.h"

#include "app/EnvSettings.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/Trash.h"
#include "ui/dialogs/ChooseFolder.h"
#include "ui/dialogs/MakeDirDlg.h"
#include "ui/main/BusyWindow.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/WaitCursor.h"
#include "ui/widgets/ModalGuard.h"
#include "ui/widgets/ShownText.h"

#include <QLabel>
#include <QProgressBar>
#include <QStringList>

namespace {

QString Reason(int code)
{
    return QString::fromStdString(platform::ErrorMessage(code));
}

// Whether to copy or move the chosen entries into `targetFolder`: one entry
// by its name, several by their count.
QString TransferQuestion(bool copy, const std::vector<std::string> &names, const std::string &targetFolder)
{
    const QString folder = ShownText(targetFolder);
    const int count = static_cast<int>(names.size());
    if (count == 1) {
        const QString name = ShownText(names.front());
        return copy ? CFileOperations::tr("「%1」を「%2」へ複写しますか？").arg(name, folder)
                    : CFileOperations::tr("「%1」を「%2」へ移動しますか？").arg(name, folder);
    }
    return copy ? CFileOperations::tr("選択した %n 個の項目を「%1」へ複写しますか？", nullptr, count)
                      .arg(folder)
                : CFileOperations::tr("選択した %n 個の項目を「%1」へ移動しますか？", nullptr, count)
                      .arg(folder);
}

} // namespace

CFileOperations::CFileOperations(CSelectionPane &pane, AskFunction ask) : m_pane(pane), m_ask(std::move(ask))
{
}

std::vector<std::string> CFileOperations::ChosenNames() const
{
    const CSelectionList &rows = m_pane.Rows();
    std::vector<std::string> names;
    for (const int row : m_pane.SelectedRows())
        if (!rows.IsParentRow(row))
            names.push_back(rows.Name(row));
    return names;
}

void CFileOperations::TransferSelected(exec::TransferKind kind)
{
    if (ChosenNames().empty())
        return;
    std::optional<std::string> folder;
    {
        CModalGuard modal(m_pane.List());
        folder = ChooseFolder(m_pane.List()->window(),
                              kind == exec::TransferKind::Copy ? tr("複写先を指定して下さい。")
                                                               : tr("移動先を指定して下さい。"),
                              platform::DisplayDirectory(m_pane.CurrentDirectory()), m_pane.Env().SelDirMode);
    }
    if (folder)
        TransferSelectedTo(kind, *folder);
}

void CFileOperations::TransferSelectedTo(exec::TransferKind kind, const std::string &targetFolder)
{
    const std::vector<std::string> names = ChosenNames();
    if (names.empty())
        return;
    const bool copy = kind == exec::TransferKind::Copy;
    const QString caption = copy ? tr("Kestrel（複写）") : tr("Kestrel（移動）");
    if (m_ask(QMessageBox::Question, caption, TransferQuestion(copy, names, targetFolder),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    std::vector<std::string> sources;
    sources.reserve(names.size());
    for (const std::string &name : names)
        sources.push_back(platform::JoinPath(m_pane.CurrentDirectory(), name));
    exec::TransferResult result;
    {
        CBusyWindow busy(m_pane.List()->window(), m_pane.Progress(), m_pane.Status());
        exec::TransferCallbacks callbacks;
        callbacks.onConflict = [&](const std::string &target) {
            switch (m_ask(QMessageBox::Question, caption,
                          tr("「%1」は既にあります。置き換えますか？").arg(ShownText(target)),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
            case QMessageBox::Yes:
                return exec::ConflictAnswer::Replace;
            case QMessageBox::No:
                return exec::ConflictAnswer::Skip;
            default:
                return exec::ConflictAnswer::CancelRest;
            }
        };
        callbacks.onProgress = [&](int done, int total) {
            busy.SetProgress(done, total);
            busy.Pump();
        };
        result = exec::TransferEntries(sources, targetFolder, kind, callbacks);
    }
    if (!result.failures.empty()) {
        QStringList failures;
        for (const exec::TransferFailure &failure : result.failures)
            failures << QStringLiteral("%1: %2").arg(ShownText(failure.path), Reason(failure.error));
        const QString list = failures.join(QLatin1Char('\n'));
        m_ask(QMessageBox::Warning, caption,
              copy ? tr("複写できませんでした。\n%1").arg(list) : tr("移動できませんでした。\n%1").arg(list),
              QMessageBox::Ok);
    }
    if (!copy)
        m_pane.Refresh();
}

void CFileOperations::DeleteSelected()
{
    const std::vector<std::string> names = ChosenNames();
    if (names.empty())
        return;
    const QString caption = tr("Kestrel（削除）");
    const QString question =
        names.size() == 1
            ? tr("「%1」をごみ箱へ移動しますか？").arg(ShownText(names.front()))
            : tr("選択した %n 個の項目をごみ箱へ移動しますか？", nullptr, static_cast<int>(names.size()));
    if (m_ask(QMessageBox::Question, caption, question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;

    QStringList failures;
    {
        WaitCursor wait;
        for (const std::string &name : names) {
            if (const int error = platform::MoveToTrash(platform::JoinPath(m_pane.CurrentDirectory(), name)))
                failures << QStringLiteral("%1: %2").arg(ShownText(name), Reason(error));
        }
    }
    if (!failures.isEmpty())
        m_ask(QMessageBox::Warning, caption,
              tr("ごみ箱へ移動できませんでした。\n%1").arg(failures.join(QLatin1Char('\n'))),
              QMessageBox::Ok);
    m_pane.Refresh();
}

void CFileOperations::MakeDirectory()
{
    std::string name;
    {
        CModalGuard modal(m_pane.List());
        CMakeDirDlg dialog(m_pane.List()->window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        name = dialog.Name();
    }
    CreateDirectoryNamed(name);
}

void CFileOperations::CreateDirectoryNamed(const std::string &name)
{
    if (const int error = platform::MakeChildDirectory(m_pane.CurrentDirectory(), name)) {
        const std::string path = platform::JoinPath(m_pane.CurrentDirectory(), name);
        m_ask(QMessageBox::Warning, tr("ディレクトリの作成"),
              tr("ディレクトリの作成に失敗しました！\nディレクトリが既に存在するか，"
                 "入力文字がディレクトリ名として不正です。\n\n%1\n%2")
                  .arg(ShownText(path), Reason(error)),
              QMessageBox::Ok);
        return;
    }
    m_pane.RefreshSelecting(name);
}
