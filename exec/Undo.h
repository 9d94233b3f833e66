#pragma once

#include "exec/ExecutionHost.h"
#include "exec/RenameRecord.h"

#include <string>
#include <vector>

namespace exec {

// A step of undo that could not be done, for the user to see.
struct CUndoFailure {
    std::string path;   // the file that stays where it is
    std::string target; // where undo wanted it to go (empty for a deletion)
    int code = 0;       // error code; platform::ErrorMessage gives its text
};

struct CUndoReport {
    bool performed = false; // false when the question was refused
    std::vector<CUndoFailure> failures;
};

// Reverts the last rename of files after asking "前回の変名を元に戻して良いですか？".
// A file is only moved back or deleted when it is still the one the rename put
// there, and never onto a name another file has taken meanwhile. undo.available
// becomes false when the undo ran.
CUndoReport UndoRename(CUndoList &undo, IExecutionHost &host);

} // namespace exec
