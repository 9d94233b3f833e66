#pragma once

#include "app/EnvSettings.h"
#include "app/LaunchList.h"

#include <QDialog>

class CSettingsPage;
class QTabBar;
class QVBoxLayout;

// The settings dialog: five tabbed pages that edit copies of the environment
// settings and the launch commands, and the stored histories. Only the page
// of the chosen tab exists; leaving it stores its values into the copies.
// The caller reads the copies and what changed after the run.
class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    enum Page { kListDisplay, kBehaviour, kStartup, kLaunch, kHistory, kPageCount };

    CSettingsDlg(const CEnvSettings &env, const CLaunchList &launchers, QWidget *parent = nullptr);
    ~CSettingsDlg() override;

    const CEnvSettings &Env() const { return m_env; }
    const CLaunchList &Launchers() const { return m_launchers; }
    bool DisplayChanged() const { return m_displayChanged; }
    bool BehaviourChanged() const { return m_behaviourChanged; }
    bool HistoryChanged() const { return m_historyChanged; }

    // The page shown, -1 while none is.
    int CurrentPage() const { return m_currentPage; }
    // Shows the page of a tab as a click on the tab does.
    void ShowPage(int index);

    // 設定: stores the start-up options, the filters and the launch commands.
    void accept() override;
    // 取消, Escape and closing the window: nothing is stored.
    void reject() override;

private:
    // The visible page's values into the copies, its changes noted, the page removed.
    void LeavePage();
    CSettingsPage *CreatePage(int index);
    void StoreFirstPage();

    CEnvSettings m_env;
    CLaunchList m_launchers;
    int m_currentPage = -1;
    bool m_displayChanged = false;
    bool m_behaviourChanged = false;
    bool m_historyChanged = false;
    QTabBar *m_tabs = nullptr;
    QVBoxLayout *m_pageLayout = nullptr;
    CSettingsPage *m_page = nullptr;
};
