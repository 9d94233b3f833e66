#pragma once

#include "engine/SettingChoices.h"

#include <QObject>

#include <array>

class CModePanel;
class CRenameSettings;
class DialogUnits;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QWidget;
struct ControlStates;

// The upper part of the main window: the mode combo, the ファイル / フォルダ
// radios, the panel of the current mode and the controls that unify time
// stamps and attributes. It shows the rename settings it is given and writes
// the user's changes back into them; whether a new mode or object kind is
// taken is the window's decision (it may have to ask first).
class CModeArea : public QObject {
    Q_OBJECT
public:
    CModeArea(QWidget *window, const DialogUnits &du, CRenameSettings &settings);
    ~CModeArea() override;

    // Every control from the settings.
    void Load();
    // The combo and the radios show the settings' mode and object kind again.
    void ShowModeAndKind();
    // The unification controls into the settings.
    void StoreUnification();
    // The values of the current panel into the settings.
    void ReadPanel();
    // The current panel shows the settings again (after a run changed them).
    void ShowPanelValues();

    // The panel of the settings' mode, or none for a mode without one.
    void CreatePanel();
    // Saves the panel's histories and removes it.
    void DestroyPanel();
    void SavePanelHistories();
    CModePanel *Panel() const { return m_panel; }

    bool UnifyTimeChecked() const;
    bool UnifyAttrChecked() const;
    void ApplyStates(const ControlStates &states);
    // Opens the mode combo's list with the focus on it.
    void PopUpModes();

signals:
    // The user picked a mode of the mode combo / a radio.
    void ModeChosen(RenameKind kind);
    void ObjectKindChosen(ObjectKind kind);
    // The user picked the command row that stores the settings as the defaults.
    void StoreDefaultsChosen();
    // A unification control changed (its values are in the settings).
    void UnificationChanged();
    // The panel's values changed (not yet read into the settings).
    void PanelChanged();
    // A Ctrl shortcut typed inside the panel.
    void ShortcutKey(int key);

private:
    // A row of the mode combo chosen: a mode, a separator (refused with a
    // beep) or the command row.
    void ModeRowActivated(int row);
    void CreateModeControls(QWidget *window, const DialogUnits &du);
    void CreateUnificationControls(QWidget *window, const DialogUnits &du);
    void Connect();

    CRenameSettings &m_settings;
    QComboBox *m_modeCombo = nullptr;
    QRadioButton *m_filesRadio = nullptr;
    QRadioButton *m_foldersRadio = nullptr;
    QButtonGroup *m_objectGroup = nullptr;
    QWidget *m_panelHost = nullptr;
    CModePanel *m_panel = nullptr;
    QCheckBox *m_unifyTime = nullptr;
    QDateEdit *m_datePicker = nullptr;
    QTimeEdit *m_timePicker = nullptr;
    QPushButton *m_nowButton = nullptr;
    QPushButton *m_midnightButton = nullptr;
    QCheckBox *m_unifyAttr = nullptr;
    std::array<QCheckBox *, 4> m_attrChecks{};
};
