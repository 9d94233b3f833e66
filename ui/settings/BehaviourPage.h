#pragma once

#include "app/EnvSettings.h"
#include "ui/settings/SettingsPage.h"

#include <array>
#include <functional>

class CChoiceGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The page 動　作: confirmation and result log around a run, the active
// filter and the editing of filters 1-5, drag and drop, folder picker and
// help. The page edits its own copy of the seven filter records; the pattern
// and the hide flags always show the record chosen in the filter combo, whose
// edit field renames that filter.
class CBehaviourPage : public CSettingsPage {
    Q_OBJECT
public:
    CBehaviourPage(CEnvSettings &env, QWidget *parent);

    void Store() override;
    // Replaces the beep given when the free filter or the no-filter entry is
    // to be renamed (tests listen to it).
    void SetBeep(std::function<void()> beep) { m_beep = std::move(beep); }

private:
    void CreateControls();
    QGroupBox *CreateFilterControls();
    void Connect();
    void ShowValues();
    void StoreInto(CEnvSettings &env) const;
    // The record being edited with the values of the filter controls.
    FilterRecord EditedRecord() const;
    void ShowFilter(int index);
    void ChooseFilter(int index);
    void RenameFilter(const QString &title);
    void RebuildFilterItems();
    void PickExtensions();
    void UpdateFilterEnabling();

    static constexpr int kEditableFilters = 5;

    CEnvSettings &m_env;
    std::array<FilterRecord, CEnvSettings::kFilterCount> m_filters;
    int m_edited = 0;
    std::function<void()> m_beep;

    QCheckBox *m_ask = nullptr;
    QCheckBox *m_dispLog = nullptr;
    QLabel *m_filterLabel = nullptr;
    QComboBox *m_filterCombo = nullptr;
    QLabel *m_patternLabel = nullptr;
    QLineEdit *m_pattern = nullptr;
    QPushButton *m_extensions = nullptr;
    QCheckBox *m_hideDir = nullptr;
    QGroupBox *m_hideGroup = nullptr;
    std::array<QCheckBox *, 4> m_hideChecks{};
    CChoiceGroup *m_drop = nullptr;
    CChoiceGroup *m_folderPicker = nullptr;
    CChoiceGroup *m_help = nullptr;
    QPushButton *m_initial = nullptr;
};
