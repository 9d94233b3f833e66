#pragma once

#include "ui/panels/ModePanel.h"

// The old-name panel: texts put before and after the entry's title, and an
// optional replacement extension.
class COrgNamePanel : public CModePanel {
    Q_OBJECT
public:
    explicit COrgNamePanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    CHistoryComboBox *m_prefix;
    CHistoryComboBox *m_suffix;
    ExtensionField m_extension;
};
