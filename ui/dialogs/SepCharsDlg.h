#pragma once

#include "ui/dialogs/PlaceholderListDlg.h"

// "ファイル連結（区切りの特殊文字）": the placeholders of the separator text,
// opened from the concatenation panel.
class CSepCharsDlg : public CPlaceholderListDlg {
    Q_OBJECT
public:
    explicit CSepCharsDlg(QWidget *panel);
};
