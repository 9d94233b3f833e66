#include "ui/dialogs/ExtensionPicker.h"

#include "ui/dialogs/ExtensionPattern.h"
#include "ui/dialogs/FileTypeDlg.h"
#include "ui/widgets/HistoryComboBox.h"

void AppendPickedExtensions(CHistoryComboBox &combo, QWidget *parent)
{
    CFileTypeDlg picker(parent);
    picker.SetMultiSelect(true);
    if (picker.exec() == QDialog::Accepted)
        combo.SetCurrentText(AppendExtensionPatterns(combo.CurrentText(), picker.Result()));
}
