#pragma once

#include "ui/panels/ModePanel.h"

class QCheckBox;

// The replace panel: the text searched for in the title (or a regular
// expression), its replacement, and whether case is ignored.
class CReplacePanel : public CModePanel {
    Q_OBJECT
public:
    explicit CReplacePanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    CHistoryComboBox *m_searched;
    CHistoryComboBox *m_replacement;
    QCheckBox *m_ignoreCase;
    QCheckBox *m_regex;
};
