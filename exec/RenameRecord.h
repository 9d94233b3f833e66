#pragma once

#include "engine/SettingChoices.h"
#include "exec/PlanProblem.h"
#include "platform/FileIdentity.h"
#include "platform/TimeFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace exec {

enum class RenameStatus : std::uint8_t {
    NotRenamed = 0, // kept its old name: refused, declined, blocked or failed
    Renamed = 1,
    Replaced = 2, // renamed, replacing an existing file of the new name
};

// One processed entry of a rename: a row of the run plan, then the undo record
// and the source of its log row.
struct CRenameRecord {
    bool usesTemp = false; // true exactly when tempPath is not empty
    RenameStatus status = RenameStatus::NotRenamed;
    std::string oldPath;
    std::string newPath;
    std::string tempPath;
    platform::TimeValue time = 0;    // the entry's last-write time
    std::uint32_t attributes = 0;    // the entry's attributes as read
    std::uint32_t newAttributes = 0; // the attributes after unification

    int row = 0;                             // row index in the candidate list
    PlanProblem problem = PlanProblem::None; // why the entry keeps its old name
    bool replaces = false;                   // the new name may be replaced (the user said so)
    int error = 0;                           // errno value of a failed step

    // Identity of the source as listed, and of the file this run put at
    // newPath (the source itself for a rename; for a copy the new file, with
    // the size and time it was made with), so that undo only ever moves or
    // deletes that very file.
    platform::FileIdentity source;
    platform::FileVersion placed;

    bool Done() const { return status != RenameStatus::NotRenamed; }
};

// The values of the settings record at the start of a rename, which the whole
// run (and its undo) uses even if the settings change meanwhile.
struct CRenameSnapshot {
    OutputKind outputMode = OutputKind::InPlace;
    bool isFileTimeChange = false;
    bool isFileAttribChange = false;
    platform::TimeValue fileTime = 0;
};

// What a run did, which decides how it is taken back.
enum class RunKind : std::uint8_t {
    Files = 0,               // files renamed, moved or copied (snapshot.outputMode says which)
    Folders = 1,             // folders renamed in place
    Batch = 2,               // files renamed in place in several directories
    NumberedDirectories = 3, // records: the folders made (newPath), oldPath empty
    Concatenation = 4,       // records: the sources moved to the trash (newPath: where the trash keeps them)
};

// The record of one run that changed something: what undo takes back.
struct CUndoList {
    RunKind kind = RunKind::Files;
    std::vector<CRenameRecord> records;
    CRenameSnapshot snapshot;
    bool available = false; // the run changed something that can be taken back
    // Saved as its run began and not after it: which records were done is
    // read off the disk (a record is done where its file is at its new name).
    bool pending = false;
};

} // namespace exec
