#pragma once

#include "engine/SettingChoices.h"
#include "ui/panels/ModePanel.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

// The character-kind panel: the case of title and extension, and the width
// (half or full) of digits, Latin letters and katakana. Unchecking a box
// disables its controls but keeps what they show for the next time.
class CCharKindPanel : public CModePanel {
    Q_OBJECT
public:
    explicit CCharKindPanel(QWidget *parent);

    void ReadInto(CRenameSettings &settings) const override;

protected:
    void ShowSettings(const CRenameSettings &settings) override;

private:
    // A character kind's check box and its pair 半角 / 全角, whose ids are
    // the widths' values.
    // No radio button is checked until the settings are shown.
    struct WidthChoice {
        QCheckBox *check;
        QRadioButton *half;
        QRadioButton *full;
        QButtonGroup *pair;
        void Show(bool isConv, CharWidth conv) const;
        void RefreshEnabled() const;
    };
    WidthChoice AddWidthChoice(const QString &caption);
    void RefreshEnabled();

    QCheckBox *m_caseCheck;
    QLabel *m_fileLabel;
    QComboBox *m_fileCase;
    QLabel *m_extensionLabel;
    QComboBox *m_extensionCase;
    WidthChoice m_digits;
    WidthChoice m_letters;
    WidthChoice m_katakana;
};
