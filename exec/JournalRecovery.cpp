#include "exec/Concatenation.h"
#include "exec/DirectoryHandles.h"
#include "exec/DirectoryLocks.h"
#include "exec/Journal.h"
#include "exec/TempNames.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <unordered_set>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace exec {

namespace {

class CRecovery {
public:
    // journal: where the copies this recovery makes are recorded (none for
    // the formats that hold no copies).
    CRecovery(CRecoveryReport &report, const std::function<void(const CRecoveryStep &)> &onStep,
              CJournalAppender *journal)
        : m_report(report), m_onStep(onStep), m_journal(journal)
    {
    }

    void Finish(const CJournalEntry &e);
    void TakeBack(const CJournalEntry &e);
    // A temporary name of the run still on disk, unless a failed step
    // reported it already.
    void NoteLeftTemporary(const std::string &temporary)
    {
        if (m_failedFrom.insert(temporary).second)
            Note({temporary, {}, platform::kErrorTargetExists});
    }

    // A folder whose partial copies could not all be removed.
    void NoteLeftPartialCopies(const std::string &folder, int code) { Note({folder, {}, code}); }

private:
    static const char *NameOf(const std::string &path) { return path.c_str() + path.rfind('/') + 1; }
    // What stands at path now, looked at through its folder's handle.
    platform::FileVersion VersionAt(const std::string &path)
    {
        return platform::GetFileVersionAt(m_handles.FolderOf(path), NameOf(path));
    }
    // Removes the file at path only while it is that version, through its folder's handle.
    void Remove(const std::string &path, const std::string &to, const platform::FileVersion &version)
    {
        Note({path, to, platform::DeleteFileIfVersionAt(m_handles.FolderOf(path), NameOf(path), version)});
    }
    bool HoldsCopy(const std::string &path, const CJournalEntry &e)
    {
        return platform::IsRecordedVersion(e.made, VersionAt(path));
    }
    bool Exists(const std::string &path) { return VersionAt(path).identity.valid; }
    // The step's file is at path: its identity where the journal knows it,
    // else anything at all (journals from before identities were kept).
    // Whether what stands somewhere (version) is the file of step e: by its
    // identity where the journal has one, else anything at all.
    static bool IsFileOf(const CJournalEntry &e, const platform::FileVersion &version)
    {
        return e.file.valid ? platform::IsRecordedFile(e.file, version.identity) : version.identity.valid;
    }
    bool HoldsFile(const std::string &path, const CJournalEntry &e) { return IsFileOf(e, VersionAt(path)); }

    // A concatenation cut short: its output is of no use, whichever way.
    void RemoveOutput(const CJournalEntry &e)
    {
        if (platform::PathExists(e.from) &&
            RemoveAbandonedConcatenations(platform::SplitPath(e.from).directory) > 0)
            Note({e.from, {}, 0});
    }
    // Moves (or copies) the file of step e to its target, or back to its
    // source. A copy this makes (also that of a move to another file system)
    // goes into the journal before it takes its name, as the run's copies do.
    void Move(const CJournalEntry &e, bool back, bool copy, bool replace, const platform::FileIdentity &file)
    {
        const std::string &from = back ? e.to : e.from, &to = back ? e.from : e.to;
        const auto record = [&](const platform::FileVersion &made) { return RecordCopy(e, back, made); };
        const platform::TransferOptions options{copy, replace, file, record};
        Note({from, to,
              platform::MoveAt(m_handles.FolderOf(from), from, m_handles.FolderOf(to), to, options)});
    }
    int RecordCopy(const CJournalEntry &e, bool back, const platform::FileVersion &made)
    {
        if (!m_journal)
            return 0;
        return m_journal->RecordCopy(e.to, made, back);
    }
    void DeleteCopy(const std::string &path, const CJournalEntry &e) { Remove(path, {}, e.made); }
    // Something the run did not put there stands at path: it stays, and the
    // report says so.
    void LeaveAlone(const std::string &path, const std::string &to, int code) { Note({path, to, code}); }
    // Every step goes to onStep where there is one (the report keeps the
    // failed ones), else into the report.
    void Note(CRecoveryStep step)
    {
        if (step.code != 0)
            m_failedFrom.insert(step.from);
        if (m_onStep)
            m_onStep(step);
        if (!m_onStep || step.code != 0)
            m_report.steps.push_back(std::move(step));
    }

    CRecoveryReport &m_report;
    const std::function<void(const CRecoveryStep &)> &m_onStep;
    CJournalAppender *m_journal;
    CDirectoryHandles m_handles;
    std::unordered_set<std::string> m_failedFrom;
};

void CRecovery::Finish(const CJournalEntry &e)
{
    switch (e.kind) {
    case CJournalEntry::Output:
        RemoveOutput(e);
        return;
    case CJournalEntry::Move:
    case CJournalEntry::Replace: {
        // The file is at its source: itself, or the copy of it that a
        // recovery taking the step back made there before it was ended.
        const platform::FileVersion atSource = VersionAt(e.from);
        const bool copyAtSource = platform::IsRecordedVersion(e.madeAtSource, atSource);
        const bool fileAtSource = IsFileOf(e, atSource);
        if (!fileAtSource && !copyAtSource)
            return; // done, or never reached by a file that has gone since
        // One look at the target answers the three questions below.
        const platform::FileVersion atTarget = VersionAt(e.to);
        if (platform::IsRecordedFile(e.file, atTarget.identity) ||
            platform::IsRecordedVersion(e.made, atTarget)) {
            // A link and unlink stopped between its two calls (the file has
            // both names), or a move to another file system stopped between
            // its copy and the removal of the source (the copy is whole): the
            // old name goes.
            Remove(e.from, e.to, atSource);
        } else if (e.kind == CJournalEntry::Replace || !atTarget.identity.valid) {
            Move(e, false, false, e.kind == CJournalEntry::Replace,
                 copyAtSource ? e.madeAtSource.identity : e.file);
        } else {
            LeaveAlone(e.from, e.to, platform::kErrorTargetExists);
        }
        return;
    }
    case CJournalEntry::Copy:
        if (e.made.identity.valid && HoldsCopy(e.to, e))
            return; // the copy is there
        if (!HoldsFile(e.from, e))
            return;
        if (!Exists(e.to))
            Move(e, false, true, false, e.file);
        else if (!TemporaryNameLike(e.to) || e.made.identity.valid)
            LeaveAlone(e.to, {}, platform::kErrorFileReplaced);
        return;
    case CJournalEntry::PutCopy:
        if (e.made.identity.valid ? HoldsCopy(e.from, e) : Exists(e.from))
            Move(e, false, false, true, e.made.identity);
        return;
    }
}

void CRecovery::TakeBack(const CJournalEntry &e)
{
    switch (e.kind) {
    case CJournalEntry::Output:
        RemoveOutput(e);
        return;
    case CJournalEntry::Move:
    case CJournalEntry::Replace: {
        // One look at each name answers the questions below.
        const platform::FileVersion atTarget = VersionAt(e.to);
        const bool fileAtTarget = IsFileOf(e, atTarget);
        const bool copyAtTarget = platform::IsRecordedVersion(e.made, atTarget);
        if (!fileAtTarget && !copyAtTarget)
            return; // not done, or its file has gone since
        const platform::FileVersion atSource = VersionAt(e.from);
        const bool fileAtSource = IsFileOf(e, atSource);
        // A link and unlink stopped between its two calls.
        const bool linkStopped = e.file.valid && fileAtTarget && fileAtSource;
        // The copy of a move to another file system was made, the source is still whole.
        const bool copyMade = copyAtTarget && fileAtSource;
        // An earlier recovery copied the file back to its source and was ended
        // before it removed it here.
        const bool copiedBack =
            (copyAtTarget || e.file.valid) && platform::IsRecordedVersion(e.madeAtSource, atSource);
        if (linkStopped || (copiedBack && !copyMade)) {
            Remove(e.to, {}, atTarget); // the new name goes
        } else if (copyMade) {
            DeleteCopy(e.to, e); // the copy goes
        } else if (!atSource.identity.valid) {
            Move(e, true, false, false, atTarget.identity);
        } else {
            LeaveAlone(e.to, e.from, platform::kErrorTargetExists);
        }
        return;
    }
    case CJournalEntry::Copy:
        // The source stayed where it was: the copy goes, but only the very
        // copy the run made; a file of the same name made by anyone else stays.
        if (e.made.identity.valid && HoldsCopy(e.to, e))
            DeleteCopy(e.to, e);
        else if (Exists(e.to) && !TemporaryNameLike(e.to) && e.made.identity.valid)
            LeaveAlone(e.to, {}, platform::kErrorFileReplaced);
        return;
    case CJournalEntry::PutCopy:
        // A replaced file cannot come back; a copy still waiting goes.
        if (e.made.identity.valid && HoldsCopy(e.from, e))
            DeleteCopy(e.from, e);
        return;
    }
}

// A temporary name (the target of a copy or of the step that starts a cycle)
// still on disk means the journal is still needed; each is reported.
bool AllPlaced(const CJournalSteps &steps, CRecovery &recovery)
{
    bool allPlaced = true;
    const bool read = steps.ForEach([&](const CJournalEntry &e) {
        const bool fromTemporary = e.kind == CJournalEntry::PutCopy || e.kind == CJournalEntry::Output;
        const std::string &temporary = fromTemporary ? e.from : e.to;
        if ((!fromTemporary && !TemporaryNameLike(temporary)) || !platform::PathExists(temporary))
            return;
        allPlaced = false;
        recovery.NoteLeftTemporary(temporary);
    });
    return read && allPlaced;
}

} // namespace

CRecoveryReport RecoverJournal(const std::string &journalPath, RecoveryTarget target,
                               const std::function<void(const CRecoveryStep &)> &onStep)
{
    CRecoveryReport report;
    const int fd = open(journalPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        report.readError = errno;
        return report;
    }
    // A journal whose run still goes on is left to that run.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        report.readError = errno;
        close(fd);
        return report;
    }
    if (target == RecoveryTarget::Discard) {
        report.readable = true;
        report.removeError = unlink(journalPath.c_str()) == 0 ? 0 : errno;
        report.journalRemoved = report.removeError == 0;
        close(fd);
        return report;
    }
    CJournalSteps steps;
    if (!steps.Open(journalPath, &report.readError)) {
        close(fd);
        return report;
    }
    report.readable = true;
    // Like a run, a recovery works alone in its folders.
    CDirectoryLocks locks;
    std::string busy;
    if (const int error = locks.Take(steps.folders(), std::chrono::seconds(3), busy)) {
        if (error == EWOULDBLOCK) {
            report.busyFolder = busy;
        } else {
            report.missingFolder = busy;
            report.folderError = error;
        }
        close(fd);
        return report;
    }
    std::optional<CJournalAppender> journal;
    if (steps.holdsCopies())
        journal.emplace(journalPath);
    CRecovery recovery(report, onStep, journal ? &*journal : nullptr);
    const bool finish = target == RecoveryTarget::NewName;
    const bool read = steps.ForEach(
        [&](const CJournalEntry &e) { finish ? recovery.Finish(e) : recovery.TakeBack(e); }, !finish);
    // A copy cut short by the end of the run (or of this recovery, which
    // copies back into the sources' folders) is of no use to anyone; the
    // folders are locked, so no copy is under way in them. One that cannot
    // be removed keeps the journal, so that the next recovery removes it.
    bool partialsLeft = false;
    for (const std::string &folder : steps.folders())
        if (const int code = platform::RemovePartialCopies(folder)) {
            recovery.NoteLeftPartialCopies(folder, code);
            partialsLeft = true;
        }
    // A journal that changed under the recovery stays for another look.
    if (AllPlaced(steps, recovery) && read && !partialsLeft) {
        report.removeError = unlink(journalPath.c_str()) == 0 ? 0 : errno;
        report.journalRemoved = report.removeError == 0;
    }
    close(fd);
    return report;
}

} // namespace exec
