#pragma once

#include "exec/ExecutionHost.h"
#include "exec/HistoryFile.h"
#include "exec/RenameRecord.h"
#include "exec/ResultLog.h"
#include "model/DirectoryListing.h"
#include "model/FileEntry.h"

#include <functional>
#include <string>
#include <vector>

class CRenameSettings;
enum class StartProblem;

// The one way into a run for every front end: a rename of files or folders,
// numbered directories, a concatenation, or a batch over several directories.
namespace exec {

class CRunHistory;

// What a front end asks to run, besides the settings.
struct CRunRequest {
    // The candidate rows in the order they are numbered, placeholders included.
    std::vector<CFileEntry> rows;
    // Rows read one at a time instead of `rows` (a long list that is never
    // held whole); returns false after the last one. mostRows, where known,
    // is at most how many there are, so that room is made for them at once.
    std::function<bool(CFileEntry &row)> nextRow;
    std::size_t mostRows = 0;
    // Directories whose entries are the candidates, each listed here with
    // `listing` (placeholders inserted at `placeholderRows`) and run in turn.
    std::vector<std::string> directories;
    CandidateListing listing;
    std::vector<int> placeholderRows; // ascending row indexes
    // A batch: the files of every directory renamed in place, the numbering
    // starting anew in each, taken back as one run. Several directories are
    // always a batch.
    bool batch = false;
    // Relative paths of the settings (output file, destination, names file)
    // are read from here; numbered directories are created here.
    std::string currentDirectory;
    // The confirmation "Kestrel（実行）" is asked first.
    bool confirm = true;
    // Receives each row of the result as it is added; without it the outcome's
    // log keeps them.
    CResultLog::RowSink onRow;
    // Where the run is kept to be taken back later (none: only in `undo`).
    const CRunHistory *history = nullptr;

    bool IsBatch() const { return batch || directories.size() > 1; }
};

struct CRunOutcome {
    // Why the run was refused before anything was asked (None when it was not).
    StartProblem startProblem{};
    bool confirmed = false;       // past the confirmation: the log is shown even if the run stopped
    bool performed = false;       // the run went ahead (not refused, no question declined)
    bool noCandidates = false;    // nothing to run: no row names an entry
    bool clearCandidates = false; // the candidate list is emptied and the directory read again
    bool failed = false;          // a row failed, or the run went wrong as a whole
    CResultLog log;
    std::vector<CRunSummary> droppedRuns; // older runs the history let go to keep this one
};

// Runs `request`: checks that it can start (settings.CheckStart, the names
// file), confirms, makes a missing output folder after asking, plans, asks,
// carries out, logs each row and keeps its record. settings.NumberStart
// advances where 加算 asks for it; otherwise settings are not changed
// (relative paths are resolved on a copy). Where the run changed anything,
// undo holds its record and the request's history a new entry.
CRunOutcome Run(const CRunRequest &request, CRenameSettings &settings, CUndoList &undo, IExecutionHost &host);

// The kind of result the rows of a run with these settings are.
ResultKind ResultKindOf(const CRenameSettings &settings);

// The text of the confirmation box (caption "Kestrel（実行）").
std::string BuildConfirmationText(const CRenameSettings &settings, int rowCount);

// Makes sure directory exists, asking (under caption) before creating it with
// its missing parents. False to stop.
bool EnsureOutputDirectory(const std::string &directory, const std::string &caption, IExecutionHost &host);

} // namespace exec
