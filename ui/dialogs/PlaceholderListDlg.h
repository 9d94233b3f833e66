#pragma once

#include "ui/widgets/ModalGuard.h"

#include <QDialog>

#include <memory>
#include <span>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

// One row of a placeholder list: the explanation shown and the placeholder
// that choosing the row appends.
struct PlaceholderRow {
    const char *text;
    const char *placeholder;
};

// A small window beside a mode panel that lists placeholders; "追　　加"
// hands the selected row's placeholder to the panel and leaves the list open.
// The list hides itself as soon as it loses the activation (and on Escape),
// so it never lingers behind the main window; the object stays for the next
// time. It belongs to the panel and goes with it.
class CPlaceholderListDlg : public QDialog {
    Q_OBJECT
public:
    // Moves the list so that its right edge lines up with the right edge of
    // `anchor` and its top with the anchor's bottom, then shows and
    // activates it.
    void ShowBelow(const QWidget *anchor);

signals:
    void PlaceholderChosen(const std::string &placeholder);

protected:
    // guardHost: the main window's interaction flag is cleared while the list
    // is shown.
    CPlaceholderListDlg(QWidget *panel, const QString &caption, std::span<const PlaceholderRow> rows,
                        bool guardHost);

    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void addSelected();

    std::vector<std::string> m_placeholders;
    QListWidget *m_list;
    QPushButton *m_addButton;
    bool m_guardHost;
    std::unique_ptr<CModalGuard> m_guard;
};
