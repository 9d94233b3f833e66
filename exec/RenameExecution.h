#pragma once

#include "exec/ExecutionHost.h"
#include "exec/RenameRecord.h"
#include "exec/ResultLog.h"

#include <string>
#include <vector>

class CFileEntry;
class CRenameSettings;

namespace exec {

// Everything a run takes from the main window besides the settings record.
struct CExecutionRequest {
    // The candidate rows in displayed order, placeholders included.
    std::vector<CFileEntry> candidates;
    // The directory of the selection list (parent of numbered directories).
    std::string currentDirectory;
    // IsAsk of the environment settings: show the confirmation first.
    bool askConfirmation = true;
};

struct CExecutionOutcome {
    bool performed = false;       // false when the confirmation or a directory question was refused
    bool clearCandidates = false; // the candidate list is emptied and the directory read again
    CResultLog log;
};

// The 実行 command: confirmation, then renaming of files or folders, numbered
// directories or concatenation according to RenameMode. settings.NumberStart
// advances when IsIncrement asks for it; undo is replaced or withdrawn as the
// kind of run requires.
CExecutionOutcome ExecuteRename(const CExecutionRequest &request, CRenameSettings &settings, CUndoList &undo,
                                IExecutionHost &host);

// The text of the confirmation box (caption "Kestrel（実行）").
std::string BuildConfirmationText(const CRenameSettings &settings, int rowCount);

// Renames, moves or copies the files of candidates (settings.FileCopyMode and
// FileCopyDirectory choose where). Returns false, with nothing changed and the
// undo list untouched, when a missing output directory was not created.
bool RenameFiles(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                 CResultLog &log, IExecutionHost &host);

// Renames the folders of candidates in place; undo is withdrawn.
void RenameFolders(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                   CResultLog &log, IExecutionHost &host);

// Makes sure directory exists, asking (under caption) before creating it with
// its missing parents. False to stop.
bool EnsureOutputDirectory(const std::string &directory, const std::string &caption, IExecutionHost &host);

} // namespace exec
