#pragma once

#include "ui/panels/ModePanel.h"

class CFormatHelpDlg;
class CImageButton;
class QComboBox;

// The format panel: the format with its placeholders, and a button that
// opens the list of placeholders below the field. A placeholder chosen there
// is appended at the end of the format. Below, the time the time
// placeholders give: the file's modification time or the date taken.
class CFormatPanel : public CModePanel {
    Q_OBJECT
public:
    explicit CFormatPanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    CHistoryComboBox *m_format;
    QComboBox *m_dateSource;
    CImageButton *m_helpButton;
    CFormatHelpDlg *m_helpList;
};
