#pragma once

#include "exec/RunPlan.h"
#include "platform/FileIdentity.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The crash-safety journal of a rename (or of an undo). Before anything on
// disk changes, every step of the run is written, in the order it is carried
// out, with the identity of the file it moves, to a file in
// $XDG_STATE_HOME/Kestrel/ and flushed to disk once; the file is removed when
// the run ends with every file under its old or its new name. A journal left
// behind by a killed run tells how to finish the steps or take them back.
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
    // The same for a concatenation about to write its output under the
    // temporary name `temporary` (not created yet): a recovery removes what
    // a killed run left there.
    int WriteOutput(const std::string &temporary, const std::string &output);
    // Adds the copy that a step has made of its file, before the copy takes
    // its name `to`: a recovery then takes back or finishes only that very
    // copy. 0 or an error code (the copy must then not take its name).
    int RecordCopy(std::string_view to, const platform::FileVersion &copy);
    // Adds a move decided during the run (a source of a concatenation going
    // to the trash), before it is made. 0 or an error code.
    int RecordMove(const std::string &from, const std::string &to, const platform::FileIdentity &file);
    // Deletes the journal (also done by the destructor).
    void Remove();
    // Leaves the journal on disk for a recovery, its run being over.
    void Keep();
    const std::string &path() const { return m_path; }

private:
    int WriteWith(const std::function<int(int fd)> &writeSteps);
    int Append(const std::string &line);

    std::string m_path;
    int m_fd = -1; // held locked while the run lasts, open for the copies to be added
};

// A journal left by a run, open for its recovery to add the copies it makes
// itself (a move to another file system copies), each before the copy takes
// its name, the way the run adds its copies: the next recovery, should this
// one be ended, then knows them from anything else at the name.
class CJournalAppender {
public:
    explicit CJournalAppender(const std::string &journalPath);
    ~CJournalAppender();
    CJournalAppender(const CJournalAppender &) = delete;
    CJournalAppender &operator=(const CJournalAppender &) = delete;

    // A copy made for the step whose target is `to`: at that target, or at
    // the step's source when atSource (taking the step back). 0 or an error
    // code (the copy must then not take its name).
    int RecordCopy(const std::string &to, const platform::FileVersion &copy, bool atSource);

private:
    int m_fd = -1;
    int m_openError = 0;
};

// Journals in JournalDirectory() whose run is no longer going on.
std::vector<std::string> FindLeftoverJournals();

// One step of a journal as read back.
struct CJournalEntry {
    enum Kind : char {
        Move = 'M',    // renamed from -> to, never replacing
        Replace = 'R', // renamed from -> to, replacing what was there
        Copy = 'C',    // copied from -> to, where nothing was
        PutCopy = 'P', // a copy renamed from its temporary name to -> replacing what was there
        Output = 'T',  // a concatenation's output written at from, to take the place of to
    };
    Kind kind = Move;
    std::string from;
    std::string to;
    // The file the step moves or copies (invalid when not known): a recovery
    // moves only it.
    platform::FileIdentity file;
    // The copy the step made (a copy, or a move to another file system), once
    // the run (or a recovery finishing it) had made it.
    platform::FileVersion made;
    // The copy a recovery taking the step back made at from (a move back to
    // another file system), once it had made it.
    platform::FileVersion madeAtSource;
};

// The steps of a journal, read a block at a time in the run's order or in
// reverse, each with the copy the run recorded for it: the memory a reader
// needs stays small however long the journal is.
class CJournalSteps {
public:
    CJournalSteps() = default;
    ~CJournalSteps();
    CJournalSteps(const CJournalSteps &) = delete;
    CJournalSteps &operator=(const CJournalSteps &) = delete;

    // Reads the journal once through: checks every line, notes where each
    // block of steps begins and which step each recorded copy belongs to.
    // False when it cannot be read (error, where given, receives the errno
    // value) or is not a journal.
    bool Open(const std::string &journalPath, int *error = nullptr);
    std::size_t size() const { return m_count; }
    // The folders the steps take files from and put them into, sorted.
    const std::vector<std::string> &folders() const { return m_folders; }
    // The journal's format holds the copies made after it was written (older
    // ones do not: a recovery adds none to them).
    bool holdsCopies() const { return m_withBirth; }
    // Hands every step to take, in the run's order or in reverse. False when
    // the journal can no longer be read as it was when opened.
    bool ForEach(const std::function<void(const CJournalEntry &)> &take, bool backward = false) const;

private:
    bool ReadBlock(std::size_t block, std::vector<CJournalEntry> &entries) const;

    int m_fd = -1;
    bool m_withBirth = false; // the third format: birth times, and copies added to it
    std::size_t m_count = 0;
    std::vector<std::uint64_t> m_blockStarts; // file offset of every kBlockSteps-th step
    std::uint64_t m_end = 0;
    // The copies recorded for the steps, by the index of their step, in that
    // order: made at their targets, and at their sources by a recovery.
    std::vector<std::pair<std::size_t, platform::FileVersion>> m_made, m_madeAtSource;
    std::vector<std::string> m_folders;
    // The first format is reordered when read; its runs were small, so it is
    // held whole.
    std::vector<CJournalEntry> m_firstFormat;
};

// Reads a journal whole; false when it cannot be read or is not a journal.
// error, where given, receives the errno value of a journal that cannot be read.
bool ReadJournal(const std::string &journalPath, std::vector<CJournalEntry> &entries, int *error = nullptr);

enum class RecoveryTarget {
    OldName, // take the run back
    NewName, // finish the run
    Discard, // leave every file where it is and forget the run
};

struct CRecoveryStep {
    std::string from;
    std::string to; // where the file went, or where it should have gone; empty for a deletion
    int code = 0;   // 0 done, else the error code (the file stays where it is)
};

struct CRecoveryReport {
    bool readable = false;
    int readError = 0;           // why the journal could not be read (0: it is no journal)
    bool journalRemoved = false; // every file was placed, the journal is gone
    int removeError = 0;         // every file was placed, but the journal could not be removed
    std::string busyFolder;      // nothing was done: another run works in this folder
    std::string missingFolder;   // nothing was done: a folder of the run cannot be opened
    int folderError = 0;         // why missingFolder cannot be opened
    std::vector<CRecoveryStep> steps;
};

// What a journal's run was, for a question that names it.
struct CJournalSummary {
    std::string folder; // the folder of its first file
    std::size_t files = 0;
    bool copies = false; // the run made copies (taking it back deletes them)
    bool concatenation = false;
};
CJournalSummary SummarizeJournal(const CJournalSteps &steps);

// Finishes the steps of the journal in their order (NewName), or takes the
// done ones back in reverse order (OldName). Every step acts only on the file
// it identified (a copy only on the very copy the run made); anything else at
// a name is left alone and reported. A step is done again only where its file
// is still at its source and its target is free, so recovery can be run again
// after it was interrupted itself. The journal is removed when no temporary
// name of it is left on disk. With onStep, every step is handed to it as it is
// made and the report keeps only the failed ones.
CRecoveryReport RecoverJournal(const std::string &journalPath, RecoveryTarget target,
                               const std::function<void(const CRecoveryStep &)> &onStep = {});

} // namespace exec
