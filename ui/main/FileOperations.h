#pragma once

#include <QMessageBox>

#include <functional>
#include <string>

class CSelectionPane;

// The file operations of the selection list's menu that change the current
// directory: deleting the selected entries to the trash and making a folder.
// Each ends by listing the directory again.
class CFileOperations {
public:
    using AskFunction =
        std::function<QMessageBox::StandardButton(QMessageBox::Icon icon, const QString &caption,
                                                  const QString &text, QMessageBox::StandardButtons buttons)>;

    CFileOperations(CSelectionPane &pane, AskFunction ask);

    // Moves the selected entries (never "..") to the trash once the user agrees.
    void DeleteSelected();
    // Asks a name and creates that folder in the current directory.
    void MakeDirectory();
    // Creates the folder `name` (one level) in the current directory; on
    // success the list is read again with it selected, otherwise the failure
    // is shown and the list stays as it is.
    void CreateDirectoryNamed(const std::string &name);

private:
    CSelectionPane &m_pane;
    AskFunction m_ask;
};
