#pragma once

#include <QMessageBox>

#include <functional>
#include <string>

class CSelectionPane;

// The file operations of the selection list's menu that change the current
// directory: deleting the selected entries to the trash. Each ends by listing
// the directory again.
class CFileOperations {
public:
    using AskFunction =
        std::function<QMessageBox::StandardButton(QMessageBox::Icon icon, const QString &caption,
                                                  const QString &text, QMessageBox::StandardButtons buttons)>;

    CFileOperations(CSelectionPane &pane, AskFunction ask);

    // Moves the selected entries (never "..") to the trash once the user agrees.
    void DeleteSelected();

private:
    CSelectionPane &m_pane;
    AskFunction m_ask;
};
