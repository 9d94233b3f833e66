#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;

// Asks the name of a new folder: an empty name field, 作成 and 中止.
class CMakeDirDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMakeDirDlg(QWidget *parent);

    // The name as typed, in the file system's encoding.
    std::string Name() const;

private:
    QLineEdit *m_name = nullptr;
    QPushButton *m_create = nullptr;
};
