#pragma once

#include "ui/panels/ModePanel.h"

class CNumberField;
class QComboBox;

// The numbered-directory panel: the fixed text of the directory names, the
// number's width, start and step, and how many directories are made.
class CNumDirPanel : public CModePanel {
    Q_OBJECT
public:
    explicit CNumDirPanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    CHistoryComboBox *m_text;
    QComboBox *m_width;
    CNumberField *m_start;
    QComboBox *m_step;
    CNumberField *m_count;
};
