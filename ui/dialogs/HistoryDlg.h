#pragma once

#include "exec/RunHistory.h"
#include "ui/widgets/ModalGuard.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QPushButton;
class QTreeWidget;

// "Kestrel（履歴）": the runs that can still be taken back, newest first, with
// the columns kestrel-cli --history prints, and 元に戻す for the selected run
// where nothing later stands in its way.
class CHistoryDlg : public QDialog {
    Q_OBJECT
public:
    // undoRun takes back the run of that number (asking first); the list is
    // read again afterwards.
    using UndoRun = std::function<void(std::uint64_t number)>;
    CHistoryDlg(const exec::CRunHistory &history, UndoRun undoRun, QWidget *parent);

private:
    void Reload();
    void UndoSelected();
    void UpdateButton();

    CModalGuard m_modal;
    const exec::CRunHistory &m_history;
    UndoRun m_undoRun;
    QTreeWidget *m_list;
    QPushButton *m_undo;
};
