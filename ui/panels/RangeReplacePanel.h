#pragma once

#include "ui/panels/ModePanel.h"
#include "ui/panels/PositionKind.h"

class CNumberField;

// The range-replace panel: which characters of the title are replaced (the
// first ones, from a position, the last ones, from a position counted from
// the back), how many, and the replacement.
class CRangeReplacePanel : public CModePanel {
    Q_OBJECT
public:
    explicit CRangeReplacePanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    PositionKind m_where;
    CNumberField *m_count;
    CHistoryComboBox *m_replacement;
};
