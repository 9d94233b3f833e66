#include "exec/RenamePasses.h"

#include "engine/RenameSettings.h"
#include "exec/Journal.h"
#include "exec/TempNames.h"
#include "model/FileEntry.h"
#include "platform/AttributeWrite.h"
#include "platform/Attributes.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

namespace exec {

namespace {

const char *const kCaption = "Kestrel（実行）";

class CRenameRun {
public:
    CRenameRun(const CPassOptions &options, std::vector<CRenameRecord> &records, CResultLog &log,
               IExecutionHost &host)
        : m_options(options), m_records(records), m_log(log), m_host(host)
    {
    }

    void Plan(const std::vector<CFileEntry> &candidates, const CRenameSettings &settings,
              const PathPlanner &plan);
    bool Run();

private:
    platform::TimeValue TimeOf(const CRenameRecord &r) const
    {
        return m_options.snapshot.isFileTimeChange ? m_options.snapshot.fileTime : r.time;
    }
    std::uint32_t AttributesOf(const CRenameRecord &r) const
    {
        return m_options.snapshot.isFileAttribChange ? r.newAttributes : r.attributes;
    }
    std::optional<std::uint32_t> KnownStoredFlags(const CRenameRecord &r) const;
    int Step(CRenameRecord &r, const std::string &from, bool fromTemp, bool replace);
    void Finish(CRenameRecord &r, const std::string &from, bool fromTemp);
    void PutBack(CRenameRecord &r);
    void Advance() { m_host.ReportProgress(++m_position, m_maximum); }

    const CPassOptions &m_options;
    std::vector<CRenameRecord> &m_records;
    CResultLog &m_log;
    IExecutionHost &m_host;
    std::vector<int> m_refused;     // error code of a new path refused while planning
    std::vector<char> m_tempFailed; // the move to the temporary name failed
    bool m_overwriteAll = false;
    int m_position = 0;
    int m_maximum = 0;
};

void CRenameRun::Plan(const std::vector<CFileEntry> &candidates, const CRenameSettings &settings,
                      const PathPlanner &plan)
{
    CTempNameAllocator temps;
    std::vector<int> rows;
    for (int row = 0; row < static_cast<int>(candidates.size()); ++row) {
        const CFileEntry &entry = candidates[static_cast<std::size_t>(row)];
        if (entry.isDummy)
            continue;
        CPlannedPath planned = plan(entry, row);
        CRenameRecord record;
        record.oldPath = entry.fullPath;
        record.newPath = std::move(planned.newPath);
        record.time = entry.lastWriteTime;
        record.attributes = entry.attributes;
        record.newAttributes = settings.GetNewAttributes(entry);
        int refused = platform::SplitPath(record.newPath).directory == planned.directory ? 0 : EINVAL;
        if (!refused)
            refused = platform::PrepareTargetPath(record.newPath);
        temps.Reserve(record.newPath);
        m_records.push_back(std::move(record));
        m_refused.push_back(refused);
        rows.push_back(row);
    }
    // Temporary names are chosen once every new path is known, so none of them
    // is a name the run itself is about to give.
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        CRenameRecord &r = m_records[i];
        if (m_refused[i] || !platform::TargetTaken(r.oldPath, r.newPath))
            continue;
        r.tempPath = temps.Allocate(platform::SplitPath(r.oldPath).directory, rows[i]);
        r.usesTemp = true;
    }
}

// The stored flags of the file that arrives at the new name, where they are
// known without reading them: a copy is made without any; a renamed file keeps
// those the listing read. With attribute unification the flags are read again,
// so the unified value holds even if they changed since the listing.
std::optional<std::uint32_t> CRenameRun::KnownStoredFlags(const CRenameRecord &r) const
{
    if (m_options.copy)
        return 0;
    if (m_options.snapshot.isFileAttribChange)
        return std::nullopt;
    const std::string_view oldPath = r.oldPath;
    return platform::StoredFlagsOf(r.attributes, oldPath.substr(oldPath.rfind('/') + 1));
}

int CRenameRun::Step(CRenameRecord &r, const std::string &from, bool fromTemp, bool replace)
{
    platform::FileIdentity placed;
    int error;
    if (m_options.folders && !replace) {
        error = platform::MoveOrCopy(from, r.newPath, false, false);
        if (!error) {
            platform::SetAttributes(r.newPath, AttributesOf(r));
            placed = platform::GetFileIdentity(r.newPath);
        }
    } else {
        // A copy is made once, on the way to the temporary name or straight to
        // the new one; from a temporary name it moves on.
        const bool copy = m_options.copy && !fromTemp;
        error = platform::TransferFile(from, r.newPath, TimeOf(r), AttributesOf(r), copy, replace, &placed,
                                       KnownStoredFlags(r));
    }
    if (!error) {
        r.placedDevice = placed.device;
        r.placedInode = placed.inode;
    }
    return error;
}

// The last step of a record: to its new name, asking before replacing a file.
void CRenameRun::Finish(CRenameRecord &r, const std::string &from, bool fromTemp)
{
    int error = Step(r, from, fromTemp, false);
    if (error == platform::kErrorTargetExists) {
        const OverwriteAnswer answer = m_overwriteAll ? OverwriteAnswer::All : m_host.AskOverwrite(r.newPath);
        if (answer == OverwriteAnswer::All)
            m_overwriteAll = true;
        if (answer != OverwriteAnswer::No && !Step(r, from, fromTemp, true))
            r.status = 2;
    } else if (!error) {
        r.status = 1;
    }
    if (r.status == 0 && fromTemp) {
        PutBack(r);
        return;
    }
    m_log.AddResult(r.oldPath, r.newPath, r.status);
}

// A file that did not reach its new name leaves its temporary name again: a
// copy is removed, a moved file returns to its old name unless that has been
// taken meanwhile, in which case the row says where the file is.
void CRenameRun::PutBack(CRenameRecord &r)
{
    int error;
    if (m_options.copy)
        error = platform::DeleteFile(r.tempPath);
    else
        error = platform::MoveOrCopy(r.tempPath, r.oldPath, false, false);
    m_log.AddResult(r.oldPath, error ? r.tempPath : r.newPath, 0);
}

bool CRenameRun::Run()
{
    CRunJournal journal;
    for (const CRenameRecord &r : m_records) {
        if (!r.usesTemp)
            continue;
        if (const int error = journal.Write(m_records)) {
            m_host.ShowMessage(kCaption,
                               "作業記録 [" + journal.path() + "] を書き込めませんでした。\n" +
                                   platform::ErrorMessage(error),
                               MessageIcon::Exclamation);
            return false;
        }
        break;
    }

    m_maximum = 2 * static_cast<int>(m_records.size());
    m_tempFailed.assign(m_records.size(), 0);
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        CRenameRecord &r = m_records[i];
        Advance();
        if (m_refused[i])
            m_log.AddResult(r.oldPath, r.newPath, 0);
        else if (r.usesTemp)
            m_tempFailed[i] = platform::MoveOrCopy(r.oldPath, r.tempPath, m_options.copy, false) != 0;
        else
            Finish(r, r.oldPath, false);
    }
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        CRenameRecord &r = m_records[i];
        Advance();
        if (!r.usesTemp)
            continue;
        if (m_tempFailed[i])
            m_log.AddResult(r.oldPath, r.newPath, 0);
        else
            Finish(r, r.tempPath, true);
    }
    return true;
}

} // namespace

bool RunRenamePasses(const std::vector<CFileEntry> &candidates, const CRenameSettings &settings,
                     const PathPlanner &plan, const CPassOptions &options,
                     std::vector<CRenameRecord> &records, CResultLog &log, IExecutionHost &host)
{
    records.clear();
    CRenameRun run(options, records, log, host);
    run.Plan(candidates, settings, plan);
    return run.Run();
}

} // namespace exec
