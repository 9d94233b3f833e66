#pragma once

#include <QObject>

class CImageButton;
class QWidget;
struct MainLayout;

// The row of buttons at the bottom of the main window: viewer, undo, execute,
// exit, settings, help and about. It only reports clicks; the window decides
// (the viewer button belongs to the viewer's host).
class CCommandBar : public QObject {
    Q_OBJECT
public:
    explicit CCommandBar(QWidget *window);

    void Place(const MainLayout &layout);
    void SetStates(bool undo, bool execute);

    CImageButton *ViewerButton() const { return m_viewer; }
    CImageButton *UndoButton() const { return m_undo; }
    CImageButton *ExecuteButton() const { return m_execute; }

signals:
    void ExecuteClicked();
    void UndoClicked();
    void ExitClicked();
    void HelpClicked();
    void SettingsClicked();
    void AboutClicked();

private:
    CImageButton *m_viewer;
    CImageButton *m_undo;
    CImageButton *m_execute;
    CImageButton *m_exit;
    CImageButton *m_settings;
    CImageButton *m_help;
    CImageButton *m_about;
};
