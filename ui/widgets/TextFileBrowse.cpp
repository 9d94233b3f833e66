#include "ui/widgets/TextFileBrowse.h"

#include "ui/widgets/HistoryComboBox.h"
#include "ui/widgets/ModalGuard.h"
#include "ui/widgets/ShownText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include <string>

namespace {

// The folder part of a typed path: up to its last "/" (the root for a name
// right below it), nothing when the text has no "/".
QString FolderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0)
        return QStringLiteral("/");
    return ShownText(std::string_view(path).substr(0, slash));
}

} // namespace

bool BrowseTextFile(CHistoryComboBox *combo, const QString &title, TextFileUse use)
{
    CModalGuard guard(combo);
    combo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);

    QFileDialog dialog(combo->window(), title, FolderOf(combo->CurrentText()));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(use == TextFileUse::Read ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Linux names are case-sensitive: a text file may end in .txt or .TXT.
    dialog.setNameFilters({QCoreApplication::translate("TextFileBrowse", "テキストファイル (*.txt *.TXT)"),
                           QCoreApplication::translate("TextFileBrowse", "全てのファイル (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;

    const QByteArray chosen = QFile::encodeName(dialog.selectedFiles().constFirst());
    combo->SetCurrentText(chosen.toStdString());
    combo->AddCurrentText(CHistoryComboBox::kDefaultMaxCount);
    return true;
}
