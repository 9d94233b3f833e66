#pragma once

#include "ui/panels/ModePanel.h"
#include "ui/panels/PositionKind.h"

// The insert panel: where a text goes into the title (before it, at a
// position counted from the front, after it, at a position counted from the
// back) and the text.
class CInsertPanel : public CModePanel {
    Q_OBJECT
public:
    explicit CInsertPanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    PositionKind m_where;
    CHistoryComboBox *m_text;
};
