#pragma once

#include "app/EnvSettings.h"
#include "ui/widgets/ModalGuard.h"

#include <QDialog>

class CHistoryComboBox;
class QCheckBox;
class QPushButton;

// The free filter dialog: edits a copy of the free filter (pattern, folders
// too, hidden attributes). The pattern combo keeps the "FreeFilter" history,
// which records the typed text whether the dialog ends with OK or cancel. OK
// stores the free filter in the settings store at once; the caller then takes
// Record() back into its environment settings.
class CFreeFilterDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFreeFilterDlg(const FilterRecord &record, QWidget *parent = nullptr);

    const FilterRecord &Record() const { return m_record; }

    void accept() override;
    void reject() override;

private:
    void pickExtensions();
    void saveHistory();

    CModalGuard m_modal;
    FilterRecord m_record;
    CHistoryComboBox *m_pattern;
    QPushButton *m_browse;
    QCheckBox *m_hideDir;
    QCheckBox *m_noReadOnly;
    QCheckBox *m_noHidden;
    QCheckBox *m_noSystem;
    QCheckBox *m_noArchive;
};
