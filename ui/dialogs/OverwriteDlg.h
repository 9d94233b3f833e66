#pragma once

#include <QDialog>

#include <string>

// "ファイルの上書き確認": asks whether an existing target may be replaced.
// exec() returns 1 for はい, 3 for 全て上書き and 2 for いいえ (also on
// Escape and on closing the window). A beep sounds when it opens.
class COverwriteDlg : public QDialog {
    Q_OBJECT
public:
    enum Answer { Yes = 1, No = 2, All = 3 };

    COverwriteDlg(const std::string &targetPath, QWidget *parent);

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};
