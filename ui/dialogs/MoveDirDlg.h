#pragma once

#include "ui/widgets/ModalGuard.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

// "移動ディレクトリ選択": several folders were dropped on the window and one
// of them becomes its directory. The folders are listed sorted, `preselected`
// chosen at first; 実行 accepts the chosen one, 中止 rejects.
class CMoveDirDlg : public QDialog {
    Q_OBJECT
public:
    CMoveDirDlg(const std::vector<std::string> &folders, const std::string &preselected, QWidget *parent);

    // The chosen folder's path.
    std::string Chosen() const;

private:
    CModalGuard m_modal;
    QListWidget *m_list;
};
