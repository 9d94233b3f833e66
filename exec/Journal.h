#pragma once

#include "exec/RenameRecord.h"

#include <string>
#include <vector>

// The crash-safety journal of a rename. Before the first entry moves to a
// temporary name, the old, temporary and new path of every record are written
// to a file in $XDG_STATE_HOME/Kestrel/ and flushed to disk; the file is removed
// when the run ends. A journal left behind by a killed run tells which files
// still bear a temporary name and where they belong.
namespace exec {

// $XDG_STATE_HOME/Kestrel (default ~/.local/state/Kestrel).
std::string JournalDirectory();

class CRunJournal {
public:
    CRunJournal() = default;
    ~CRunJournal(); // removes the journal
    CRunJournal(const CRunJournal &) = delete;
    CRunJournal &operator=(const CRunJournal &) = delete;

    // Writes and flushes the journal of records. 0 or an error code; a run must
    // not move anything to a temporary name when this fails.
    int Write(const std::vector<CRenameRecord> &records);
    // Deletes the journal (also done by the destructor).
    void Remove();
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    int m_fd = -1; // held locked while the run lasts
};

// Journals in JournalDirectory() whose run is no longer going on.
std::vector<std::string> FindLeftoverJournals();

// One entry of a journal as read back.
struct CJournalEntry {
    std::string oldPath;
    std::string tempPath;
    std::string newPath;
};

// Reads a journal; false when it cannot be read or is not a journal.
bool ReadJournal(const std::string &journalPath, std::vector<CJournalEntry> &entries);

enum class RecoveryTarget {
    OldName, // back to the old name
    NewName, // on to the new name when it is free, else back to the old one
};

struct CRecoveryStep {
    std::string from;
    std::string to; // where the file went, or where it should have gone
    int code = 0;   // 0 done, else the error code (the file keeps its temporary name)
};

struct CRecoveryReport {
    bool readable = false;
    bool journalRemoved = false; // every file was placed, the journal is gone
    std::vector<CRecoveryStep> steps;
};

// Moves every file that still bears a temporary name of the journal to its old
// name (or its new one, as preferred). Never replaces an existing file. The
// journal is removed when nothing is left under a temporary name.
CRecoveryReport RecoverJournal(const std::string &journalPath, RecoveryTarget target);

} // namespace exec
