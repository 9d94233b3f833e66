#pragma once

#include "exec/CopyMove.h"
#include "ui/widgets/AskFunction.h"

#include <QCoreApplication>

#include <string>
#include <vector>

class CSelectionPane;

// The file operations of the selection list's menu: copying and moving the
// selected entries to another folder, deleting them to the trash and making a
// folder. Each that changes the current directory ends by listing it again.
class CFileOperations {
    Q_DECLARE_TR_FUNCTIONS(CFileOperations)

public:
    CFileOperations(CSelectionPane &pane, AskFunction ask);

    // Asks a target folder, then copies or moves the selected entries there.
    void TransferSelected(exec::TransferKind kind);
    // Copies or moves the selected entries (never "..") into targetFolder once
    // the user agrees, asking before replacing anything, and names each failure.
    void TransferSelectedTo(exec::TransferKind kind, const std::string &targetFolder);
    // Moves the selected entries (never "..") to the trash once the user agrees.
    void DeleteSelected();
    // Asks a name and creates that folder in the current directory.
    void MakeDirectory();
    // Creates the folder `name` (one level) in the current directory; on
    // success the list is read again with it selected, otherwise the failure
    // is shown and the list stays as it is.
    void CreateDirectoryNamed(const std::string &name);

private:
    std::vector<std::string> ChosenNames() const;

    CSelectionPane &m_pane;
    AskFunction m_ask;
};
