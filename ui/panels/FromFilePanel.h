#pragma once

#include "ui/panels/ModePanel.h"

#include <string>

class CImageButton;
class QLabel;

// The names-from-file panel: the path of the text file whose lines are the
// new names, typed or chosen with a file dialog.
class CFromFilePanel : public CModePanel {
    Q_OBJECT
public:
    explicit CFromFilePanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;
    // Why the file gave no names (as CRenameSettings::InputFileProblem says),
    // or empty when it was read.
    void ShowReadProblem(const std::string &problem);

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    void browse();

    CHistoryComboBox *m_inputFile;
    CImageButton *m_browseButton;
    QLabel *m_problem;
};
