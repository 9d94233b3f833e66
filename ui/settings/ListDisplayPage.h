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

    CChoiceGroup *ViewChoice() const { return m_view; }
    CChoiceGroup *SelectChoice() const { return m_select; }
    QCheckBox *GridCheck() const { return m_grid; }
    CChoiceGroup *CharChoice() const { return m_chars; }
    CChoiceGroup *SizeChoice() const { return m_size; }
    QComboBox *SortCombo() const { return m_sort; }
    QCheckBox *SortDownCheck() const { return m_sortDown; }
    QCheckBox *SortNumCheck() const { return m_sortNum; }
    CChoiceGroup *PathChoice() const { return m_path; }
    QCheckBox *DestSortCheck() const { return m_destSort; }
    QPushButton *InitialButton() const { return m_initial; }

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
