#pragma once

#include "ui/dialogs/PlaceholderListDlg.h"

// "Kestrel（書式ヘルプ）": the placeholders of a format, opened from the format
// panel. The main window takes no splitter drags while it is shown.
class CFormatHelpDlg : public CPlaceholderListDlg {
    Q_OBJECT
public:
    explicit CFormatHelpDlg(QWidget *panel);
};
