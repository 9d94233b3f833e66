#pragma once

#include <QWidget>

#include <memory>
#include <string>

class DialogUnits;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Kestrel（簡易テキストビュア）": a window beside the main window that shows
// the beginning of one file. It never changes the file it shows.
class CTextViewerDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 100;

    explicit CTextViewerDlg(QWidget *owner);
    ~CTextViewerDlg() override;

    // Shows the first lines of the file at path (bytes), or says why not.
    void ShowFile(const std::string &path);

signals:
    // 閉じる, Escape or the window's close box: the owner destroys the window.
    void Closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void LayOut();

    std::unique_ptr<DialogUnits> m_du;
    QLabel *m_path;
    QPlainTextEdit *m_text;
    QPushButton *m_close;
};
