#pragma once

#include <QObject>
#include <QPointer>

#include <string>

class CImageButton;
class CTextViewerDlg;
class QWidget;

// Opens, feeds and closes the text viewer of the main window. The viewer
// button stays pressed while the viewer is open.
class CTextViewerHost : public QObject {
    Q_OBJECT
public:
    CTextViewerHost(QWidget *window, CImageButton *button);
    ~CTextViewerHost() override;

    // The viewer button: opens the viewer, or closes it when open.
    void Toggle();
    bool IsOpen() const;
    // Shows the file when the viewer is open.
    void ShowFile(const std::string &path);
    // Destroys the viewer window, if open.
    void Close();

private:
    QWidget *m_window;
    CImageButton *m_button;
    QPointer<CTextViewerDlg> m_viewer;
};
