#pragma once

#include <QDialog>

#include <cstddef>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

// The extension picker: every file type known to the system with its
// extension, sortable by either column. One row, or several in multiple
// selection, may be chosen; after OK the chosen extensions are handed out
// one by one by NextExtension.
class CFileTypeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFileTypeDlg(QWidget *parent = nullptr);

    void SetMultiSelect(bool on);
    bool MultiSelect() const { return m_multiSelect; }

    // The next chosen extension (without its dot), an empty text after the last.
    std::string NextExtension();
    const std::vector<std::string> &Result() const { return m_result; }

    // Sorts by a column as a click on its header does: the same column again
    // reverses the direction, another column starts ascending.
    void SortByColumn(int column);
    int SortColumn() const { return m_sortColumn; }
    int SortDirection() const { return m_sortDirection; }

    void accept() override;

private:
    void fillList();
    void onSelectionChanged();
    // Extensions of the selected rows in the order the list shows them.
    std::vector<std::string> selectedExtensions() const;

    QTreeWidget *m_list;
    QLabel *m_summary;
    QPushButton *m_select;
    bool m_multiSelect = false;
    std::vector<std::string> m_result;
    std::size_t m_readPosition = 0;
    int m_sortColumn = 0;
    int m_sortDirection = 1;
};
