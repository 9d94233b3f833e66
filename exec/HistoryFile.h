#pragma once

#include "exec/RenameRecord.h"
#include "platform/TimeFormat.h"

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

// The file of one run in the history: a header that says what the run was,
// then its records. Paths are stored length-prefixed, so every byte of a name
// comes back as it was.
namespace exec {

// One run as the history keeps it.
struct CHistoryEntry {
    std::uint64_t number = 0;         // given by the history, rising with every run
    platform::TimeValue time = 0;     // when the run began
    std::size_t folderCount = 0;      // the folders the run worked in
    std::vector<std::string> folders; // the first few of them
    CUndoList undo;                   // pending: saved before the run's first step
};

// What the list of runs shows of an entry, read from its header alone.
struct CRunSummary {
    std::uint64_t number = 0;
    bool damaged = false; // the file cannot be read; nothing below is known
    platform::TimeValue time = 0;
    RunKind kind = RunKind::Files;
    OutputKind output = OutputKind::InPlace;
    bool pending = false;
    std::size_t folderCount = 0;
    std::string firstFolder;
    std::size_t count = 0; // records
    std::uint64_t bytes = 0;
};

// How many folders an entry names in its header.
inline constexpr std::size_t kShownFolders = 8;

// Writes entry to fd a block at a time, so a large run needs no second copy of
// all its paths in memory; the records `more` follow the entry's own. 0 or an
// error code.
int WriteHistoryEntry(int fd, const CHistoryEntry &entry, std::span<const CRenameRecord> more = {});

// Reads an entry written by WriteHistoryEntry, or the undo file an earlier
// kestrel-cli kept of its last run. False when it is neither.
bool ReadHistoryEntry(std::istream &in, CHistoryEntry &entry);
// Reads the header only.
bool ReadRunSummary(std::istream &in, CRunSummary &summary);

} // namespace exec
