#pragma once

#include "ui/panels/ModePanel.h"

class QCheckBox;
class QComboBox;
class CNumberField;

// The renumber panel: fixed texts before and after the number, an optional
// replacement extension, the number's width, start and step, and whether
// the start advances after a run.
class CRenumPanel : public CModePanel {
    Q_OBJECT
public:
    explicit CRenumPanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    CHistoryComboBox *m_prefix;
    CHistoryComboBox *m_suffix;
    ExtensionField m_extension;
    QComboBox *m_width;
    CNumberField *m_start;
    QComboBox *m_step;
    QCheckBox *m_incrementCheck;
};
