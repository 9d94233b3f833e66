#pragma once

#include "ui/settings/SettingsPage.h"

class CChoiceGroup;
class CEnvSettings;
class CHistoryComboBox;
class CImageButton;
class QCheckBox;

// The page 起動動作: what the program restores when it starts, the fixed
// start directory and whether several instances may run.
class CStartupPage : public CSettingsPage {
    Q_OBJECT
public:
    CStartupPage(CEnvSettings &env, QWidget *parent);

    void Store() override;

private:
    void CreateControls();
    void ShowValues();
    void BrowseDirectory();
    void UpdateEnabling();

    CEnvSettings &m_env;
    CChoiceGroup *m_data = nullptr;
    CChoiceGroup *m_window = nullptr;
    CChoiceGroup *m_directory = nullptr;
    CHistoryComboBox *m_directoryCombo = nullptr;
    CImageButton *m_browse = nullptr;
    CChoiceGroup *m_split = nullptr;
    QCheckBox *m_multiExec = nullptr;
};
