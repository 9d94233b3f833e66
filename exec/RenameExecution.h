#pragma once

#include "exec/ExecutionHost.h"
#include "exec/RenameRecord.h"
#include "exec/ResultLog.h"

#include <functional>
#include <string>
#include <vector>

class CFileEntry;
class CRenameSettings;

namespace exec {

struct CRunPlan;

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
    bool confirmed = false;       // past the confirmation: the result log is shown even if the run stopped
    bool performed = false;       // false when the confirmation or a directory question was refused
    bool clearCandidates = false; // the candidate list is emptied and the directory read again
    bool failed = false;          // it went wrong as a whole (a concatenation that wrote nothing, or whose
                                  // sources could not all go to the trash)
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

// What comes before a rename is planned: a move or copy without destination
// is refused, a missing output folder created after asking. False to stop,
// with nothing changed.
bool PrepareRename(const CRenameSettings &settings, IExecutionHost &host);

// Runs a plan whose rows have been added (AddPlanRow): the checks, the
// questions, the steps, one log row per record, NumberStart advanced where
// 加算 asks for it, and the undo list replaced (available after files, not
// after folders). False, with nothing changed, when the journal cannot be
// written.
bool RunRename(CRunPlan &plan, CRenameSettings &settings, CUndoList &undo, CResultLog &log,
               IExecutionHost &host);

// Renames, moves or copies the files of candidates (settings.FileCopyMode and
// FileCopyDirectory choose where). Returns false, with nothing changed and the
// undo list untouched, when there is no destination, a missing output
// directory was not created or the journal could not be written.
bool RenameFiles(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                 CResultLog &log, IExecutionHost &host);

// Renames the folders of candidates in place; undo is withdrawn.
void RenameFolders(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                   CResultLog &log, IExecutionHost &host);

// The part of a run after the questions: the stays settled, the order, the
// journal, the steps. Fills stranded (see ExecutePlan). Returns 0, or the
// error code of a journal that could not be written (a message says so), in
// which case nothing has changed.
// beforeFirstStep, where given, is called with the journal's path once it is
// on disk; a non-zero code stops the run there, nothing changed.
int CarryOutPlan(CRunPlan &plan, IExecutionHost &host, const std::string &caption,
                 std::vector<std::uint32_t> &stranded,
                 const std::function<int(const std::string &journal)> &beforeFirstStep = {});

// A run with nowhere to put its result is refused with a message before
// anything is asked: a rename of files that moves or copies without a
// destination folder, a concatenation without an output file. True when refused.
bool RefuseWithoutDestination(const CRenameSettings &settings, IExecutionHost &host);
// The message that refuses the settings so, or null when they have a destination.
const char *MissingDestinationMessage(const CRenameSettings &settings);
inline constexpr const char *kNoDestinationMessage = "移動先・複写先のディレクトリを指定してください。";
inline constexpr const char *kNoOutputFileMessage = "出力ファイルを指定してください。";

// Makes sure directory exists, asking (under caption) before creating it with
// its missing parents. False to stop.
bool EnsureOutputDirectory(const std::string &directory, const std::string &caption, IExecutionHost &host);

} // namespace exec
