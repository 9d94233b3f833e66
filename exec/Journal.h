#pragma once

#include "exec/RunPlan.h"

#include <string>
#include <vector>

// The crash-safety journal of a rename. Before the first entry moves to a
// temporary name, the steps of the run that involve temporary names (the
// cycles, in the order they are carried out) are written to a file in
// $XDG_STATE_HOME/Kestrel/ and flushed to disk once; the file is removed when
// the run ends. A journal left behind by a killed run tells how to finish the
// steps or take them back.
namespace exec {

// $XDG_STATE_HOME/Kestrel (default ~/.local/state/Kestrel).
std::string JournalDirectory();

class CRunJournal {
public:
    CRunJournal() = default;
    ~CRunJournal(); // removes the journal
    CRunJournal(const CRunJournal &) = delete;
    CRunJournal &operator=(const CRunJournal &) = delete;

    // Writes and flushes the journal of an ordered plan with its temporary
    // names. 0 or an error code; a run must not change anything when this fails.
    int Write(const CRunPlan &plan);
    // Deletes the journal (also done by the destructor).
    void Remove();
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    int m_fd = -1; // held locked while the run lasts
};

// Journals in JournalDirectory() whose run is no longer going on.
std::vector<std::string> FindLeftoverJournals();

// One step of a journal as read back.
struct CJournalEntry {
    enum Kind : char {
        Move = 'M',    // renamed from -> to, never replacing
        Copy = 'C',    // copied from -> to (a temporary copy)
        Replace = 'R', // renamed from -> to, replacing what was there
    };
    Kind kind = Move;
    std::string from;
    std::string to;
};

// Reads a journal; false when it cannot be read or is not a journal.
bool ReadJournal(const std::string &journalPath, std::vector<CJournalEntry> &entries);

enum class RecoveryTarget {
    OldName, // take the run back
    NewName, // finish the run
};

struct CRecoveryStep {
    std::string from;
    std::string to; // where the file went, or where it should have gone
    int code = 0;   // 0 done, else the error code (the file stays where it is)
};

struct CRecoveryReport {
    bool readable = false;
    bool journalRemoved = false; // every file was placed, the journal is gone
    std::vector<CRecoveryStep> steps;
};

// Finishes the steps of the journal in their order (NewName), or takes the
// done ones back in reverse order (OldName). A step is done again only where
// its file is still at its source and its target is free, so recovery can be
// run again after it was interrupted itself. The journal is removed when no
// temporary name of it is left on disk.
CRecoveryReport RecoverJournal(const std::string &journalPath, RecoveryTarget target);

} // namespace exec
