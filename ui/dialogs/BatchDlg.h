#pragma once

#include "ui/widgets/ModalGuard.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

// "Kestrel（バッチ処理）": tells what a batch run does differently and lists
// the directories of the batch, each checked. 実行 drops the unchecked ones
// from the list and accepts; 中止 leaves the list as it is.
class CBatchDlg : public QDialog {
    Q_OBJECT
public:
    CBatchDlg(std::vector<std::string> &directories, QWidget *parent);

    void accept() override;

private:
    CModalGuard m_modal;
    std::vector<std::string> &m_directories;
    QListWidget *m_list;
};
