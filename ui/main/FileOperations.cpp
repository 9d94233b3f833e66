#include "ui/main/FileOperations.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/Trash.h"
#include "ui/main/MakeDirDlg.h"
#include "ui/main/SelectionPane.h"
#include "ui/main/WaitCursor.h"
#include "ui/panels/ModalGuard.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <sys/stat.h>

namespace {

const QString kDeleteCaption = QStringLiteral("Kestrel（削除）");
const QString kMakeDirCaption = QStringLiteral("ディレクトリの作成");

QString Shown(const std::string &name)
{
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

QString Reason(int code)
{
    return QString::fromStdString(platform::ErrorMessage(code));
}

} // namespace

CFileOperations::CFileOperations(CSelectionPane &pane, AskFunction ask) : m_pane(pane), m_ask(std::move(ask))
{
}

void CFileOperations::DeleteSelected()
{
    const CSelectionList &rows = m_pane.Rows();
    std::vector<std::string> names;
    for (const int row : m_pane.SelectedRows())
        if (!rows.IsParentRow(row))
            names.push_back(rows.Name(row));
    if (names.empty())
        return;
    const QString question =
        names.size() == 1 ? QStringLiteral("「%1」をごみ箱へ移動しますか？").arg(Shown(names.front()))
                          : QStringLiteral("選択した %1 個の項目をごみ箱へ移動しますか？").arg(names.size());
    if (m_ask(QMessageBox::Question, kDeleteCaption, question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;

    QStringList failures;
    {
        WaitCursor wait;
        for (const std::string &name : names) {
            if (const int error = platform::MoveToTrash(platform::JoinPath(m_pane.CurrentDirectory(), name)))
                failures << QStringLiteral("%1: %2").arg(Shown(name), Reason(error));
        }
    }
    if (!failures.isEmpty())
        m_ask(QMessageBox::Warning, kDeleteCaption,
              QStringLiteral("ごみ箱へ移動できませんでした。\n") + failures.join(QLatin1Char('\n')),
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
    const std::string path = platform::JoinPath(m_pane.CurrentDirectory(), name);
    // A name with a separator would make a folder somewhere else.
    int error = platform::ClassifyFileName(name) == platform::FileNameProblem::None ? 0 : EINVAL;
    if (!error && ::mkdir(path.c_str(), 0777) != 0)
        error = errno;
    if (error) {
        m_ask(QMessageBox::Warning, kMakeDirCaption,
              QStringLiteral("ディレクトリの作成に失敗しました！\nディレクトリが既に存在するか，"
                             "入力文字がディレクトリ名として不正です。\n\n%1\n%2")
                  .arg(Shown(path), Reason(error)),
              QMessageBox::Ok);
        return;
    }
    m_pane.RefreshSelecting(name);
}
