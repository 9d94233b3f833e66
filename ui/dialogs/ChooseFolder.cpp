#include "ui/dialogs/ChooseFolder.h"

#include "ui/dialogs/FolderBrowseDlg.h"
#include "ui/widgets/ShownText.h"

#include <QFile>
#include <QFileDialog>

std::optional<std::string> ChooseFolder(QWidget *parent, const QString &prompt,
                                        const std::string &initialDirectory, int selDirMode)
{
    if (selDirMode == 0) {
        const QString chosen = QFileDialog::getExistingDirectory(
            parent, CFolderBrowseDlg::ShownPrompt(prompt), ShownText(initialDirectory));
        if (chosen.isEmpty())
            return std::nullopt;
        return QFile::encodeName(chosen).toStdString();
    }
    CFolderBrowseDlg dialog(parent, prompt, initialDirectory);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SelectedPath();
}
