#pragma once

#include "ui/settings/SettingsPage.h"

class CChoiceGroup;
class CEnvSettings;
class QCheckBox;
class QComboBox;
class QPushButton;

// The page リスト表示: how the selection and candidate lists show and sort
// their entries.
class CListDisplayPage : public CSettingsPage {
    Q_OBJECT
public:
    CListDisplayPage(CEnvSettings &env, QWidget *parent);

    void Store() override;

private:
    void CreateControls();
    void ShowValues();
    void StoreInto(CEnvSettings &env) const;
    void UpdateEnabling();

    CEnvSettings &m_env;
    CChoiceGroup *m_view = nullptr;
    CChoiceGroup *m_select = nullptr;
    QCheckBox *m_grid = nullptr;
    CChoiceGroup *m_chars = nullptr;
    CChoiceGroup *m_size = nullptr;
    QComboBox *m_sort = nullptr;
    QCheckBox *m_sortDown = nullptr;
    QCheckBox *m_sortNum = nullptr;
    CChoiceGroup *m_path = nullptr;
    QCheckBox *m_destSort = nullptr;
    QPushButton *m_initial = nullptr;
};
