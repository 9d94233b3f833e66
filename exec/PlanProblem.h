#pragma once

#include <cstdint>
#include <string>

namespace exec {

// Why a row of a run keeps its old name, or what is asked about it first. The
// checks run in this order and a row carries the first that applies.
enum class PlanProblem : std::uint8_t {
    None,
    NoDestination,          // a move or copy without a destination folder
    InvalidPattern,         // the replace mode's regular expression does not compile
    EmptyName,              // the new name is empty
    InvalidName,            // ".", "..", only dots, "/" or NUL in the name
    NameTooLong,            // longer than a file system allows
    TargetFolderMissing,    // the folder the file should go to does not exist
    TargetFolderUnusable,   // not a folder, or no right to add names to it
    DuplicateName,          // another row gets the same new path
    SameFileTwice,          // another row is the same file (the same device and inode)
    TargetIsSameFile,       // the new name is another link of the same file: a rename would do nothing
    ExistingTarget,         // an entry outside the run bears the new name: asked before the run
    OverwriteDeclined,      // the user chose not to replace that entry
    NameExists,             // a numbered directory whose name is on disk already
    Blocked,                // the new name belongs to a file of the run that keeps its name
    NameTakenSincePlanning, // the new name appeared on disk after planning
    FileReplaced,           // the file at the path is no longer the one the run put there
    SourceChanged,          // the source of a copy is no longer the file it was copied from
    StepFailed,             // the file system refused (the record's error says why)
    CopyUnverified, // undo: the run ended before its record did, so its copy cannot be told from another file
};

// Problems that make a row wait for a question rather than stay for sure.
inline bool IsQuestion(PlanProblem problem)
{
    return problem == PlanProblem::ExistingTarget;
}

// A short Japanese reason ("新しい名前が空です"), without a closing "。"; for
// StepFailed the text of error.
std::string ProblemText(PlanProblem problem, int error = 0);

} // namespace exec
