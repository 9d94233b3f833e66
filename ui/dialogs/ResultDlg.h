#pragma once

#include "exec/ResultLog.h"
#include "ui/widgets/ModalGuard.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTreeView;
class ResultRowsModel;

// "Kestrel（変名結果出力）": lists what an execution did, one row per
// processed item, with the names or the full paths. Its size (when "サイズを
// 記憶" is checked), the column widths and the display choice are kept under
// the key Output and written whenever the dialog closes.
class CResultDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *kStoreKey = "Output";
    static constexpr int kMaxWidth = 800;
    static constexpr int kMaxHeight = 600;

    // The log must outlive the dialog; the main window is told that a modal
    // window is open for the dialog's lifetime.
    CResultDlg(const exec::CResultLog &log, QWidget *parent);
    ~CResultDlg() override;

    // 0 shows the part of each path after its last "/", 1 the whole path.
    int DisplayMode() const;

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void loadStoredValues();
    void saveStoredValues() const;

    CModalGuard m_modal;
    QRadioButton *m_nameOnly;
    QRadioButton *m_fullPath;
    QTreeView *m_list;
    ResultRowsModel *m_model;
    QCheckBox *m_rememberSize;
    QPushButton *m_close;
    QWidget *m_caption;
};
