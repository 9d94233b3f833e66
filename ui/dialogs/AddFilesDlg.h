#pragma once

#include "ui/widgets/ModalGuard.h"

#include <QDialog>

#include <string>
#include <vector>

class CHistoryComboBox;
class QCheckBox;
class QListWidget;
class QPushButton;

// "ファイルの追加": folders were dropped on the window to add their files. The
// folders are listed sorted, each checked; a filter (";"-separated patterns,
// empty for every file) with its history and a "..." that appends extensions
// from the file type list; whether the files of sub-folders are added too.
// 実行 stores the filter history and the sub-folder choice (the next dialog
// starts with it); 中止 stores nothing.
class CAddFilesDlg : public QDialog {
    Q_OBJECT
public:
    CAddFilesDlg(const std::vector<std::string> &folders, QWidget *parent);

    std::string Filter() const;
    bool Recurse() const;
    // The checked folders in the order of the list.
    std::vector<std::string> CheckedFolders() const;

    void accept() override;

private:
    CModalGuard m_modal;
    QListWidget *m_folders;
    CHistoryComboBox *m_filter;
    QPushButton *m_browse;
    QCheckBox *m_recurse;
};
