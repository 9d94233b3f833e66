#pragma once

#include "platform/TimeFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace exec {

// One processed entry of a rename: the undo record and the source of its log row.
struct CRenameRecord {
    bool usesTemp = false; // true exactly when tempPath is not empty
    int status = 0;        // 0 not renamed, 1 renamed, 2 renamed replacing an existing file
    std::string oldPath;
    std::string newPath;
    std::string tempPath;
    platform::TimeValue time = 0;    // the entry's last-write time
    std::uint32_t attributes = 0;    // the entry's attributes as read
    std::uint32_t newAttributes = 0; // the attributes after unification

    // Identity of the file this run put at newPath, so that undo only ever
    // moves or deletes that very file and never one that took its place since.
    std::uint64_t placedDevice = 0;
    std::uint64_t placedInode = 0;
};

// Output modes of a rename of files.
enum OutputMode : int {
    kOutputInPlace = 0, // 通常
    kOutputMove = 1,    // 移動
    kOutputCopy = 2,    // 複写
};

// The values of the settings record at the start of a rename, which the whole
// run (and its undo) uses even if the settings change meanwhile.
struct CRenameSnapshot {
    int outputMode = kOutputInPlace;
    bool isFileTimeChange = false;
    bool isFileAttribChange = false;
    platform::TimeValue fileTime = 0;
};

// The one-level undo data the caller keeps between runs.
struct CUndoList {
    std::vector<CRenameRecord> records;
    CRenameSnapshot snapshot;
    bool available = false; // enables アンドゥ
};

} // namespace exec
