#include "cli/CandidateRows.h"

#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "exec/DirectoryLocks.h"
#include "model/DirectoryListing.h"
#include "platform/DirectoryList.h"
#include "platform/ErrorReason.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <cerrno>
#include <iostream>

namespace cli {

namespace {

// The stored flags cost a system call per file; they matter only to a run
// that unifies attributes.
platform::StoredFlags StoredFlagsFor(const CRenameSettings &settings)
{
    return settings.IsFileAttribChange ? platform::StoredFlags::Read : platform::StoredFlags::Skip;
}

// The entries of --dir in the order to number them. A folder the run holds
// locked is listed through the lock's own handle, which the run then renames
// through: should the path name another folder by the first step, the files
// renamed are still the ones listed.
void ListEntries(const Options &options, bool folders, const std::string &directory,
                 platform::StoredFlags flags, CListedCandidates &entries)
{
    // The command line hides nothing by its attributes.
    const CandidateListing listing{
        {options.filter, false, 0}, {options.sortKey, options.numeric, options.reverse}, folders, flags};
    const int code = ListCandidates(directory, exec::HeldFolderHandle(directory), listing, entries);
    if (code != 0)
        throw UsageError(
            platform::Fill(platform::Tr("cli", "ディレクトリを読めません: %1: %2"),
                           {platform::DisplayDirectory(directory), platform::ErrorReason(code)}));
}

} // namespace

std::string WorkingDirectory()
{
    std::string directory;
    if (const int error = platform::GetWorkingDirectory(directory))
        throw UsageError(platform::Fill(platform::Tr("cli", "作業ディレクトリを読めません: %1"),
                                        {platform::ErrorReason(error)}));
    return directory;
}

CandidateRows::CandidateRows(const Options &options, const CRenameSettings &settings)
    : m_options(options), m_folders(settings.TargetsFolders()), m_storedFlags(StoredFlagsFor(settings))
{
    if (options.directory) {
        std::string directory = AbsolutePath(*options.directory, WorkingDirectory());
        ListEntries(options, m_folders, directory, m_storedFlags, m_listed);
        return;
    }
    m_workingDirectory = WorkingDirectory();
    if (options.pathsFrom)
        m_pathList = std::make_unique<PathList>(*options.pathsFrom, options.nullSeparated ? '\0' : '\n');
}

bool CandidateRows::NextGivenPath(std::string &path)
{
    if (m_nextArgument < m_options.paths.size()) {
        path = m_options.paths[m_nextArgument++];
        return true;
    }
    return m_pathList && m_pathList->Next(path);
}

std::size_t CandidateRows::MostRows() const
{
    if (m_options.directory)
        return m_listed.Remaining();
    return m_options.paths.size() + (m_pathList ? m_pathList->MostPaths() : 0);
}

bool CandidateRows::NextEntry(CFileEntry &entry)
{
    if (m_options.directory) {
        return m_listed.Take(entry);
    }
    std::string given;
    while (NextGivenPath(given)) {
        std::string path = AbsolutePath(given, m_workingDirectory);
        if (platform::IsRootDirectory(path))
            throw UsageError(
                platform::Fill(platform::Tr("cli", "ルートディレクトリは変名できません: %1"), {given}));
        if (!m_seenPaths.Insert(path)) {
            std::cerr << "kestrel-cli: "
                      << platform::Fill(platform::Tr("cli", "二度指定されたパスを飛ばします: %1"), {given})
                      << '\n';
            continue;
        }
        platform::DirEntryInfo info;
        const int code = platform::ReadDirEntry(path, info, m_storedFlags);
        if (code == ENOENT) {
            // Gone since it was listed: its row fails when its turn comes.
            std::cerr << "kestrel-cli: " << given << ": " << platform::ErrorReason(code) << '\n';
            ++m_missing;
            info.isDirectory = m_folders;
            entry = CFileEntry(info);
            return true;
        }
        if (code)
            throw UsageError(given + ": " + platform::ErrorReason(code));
        if (info.isDirectory != m_folders)
            throw UsageError(given + ": " +
                             (m_folders ? platform::Tr("cli", "フォルダではありません")
                                        : platform::Tr("cli", "ファイルではありません")));
        entry = CFileEntry(info);
        return true;
    }
    // Every path has been given: what was seen is let go before the plan's checks.
    m_seenPaths = exec::CompactStringSet();
    return false;
}

bool CandidateRows::Next(CFileEntry &row)
{
    const std::vector<int> &dummies = m_options.dummyRows;
    bool dummyDue = m_nextDummy < dummies.size() && dummies[m_nextDummy] == m_rowIndex;
    if (!dummyDue && !NextEntry(row)) {
        // Placeholders beyond the last row go at the end, in their order.
        if (m_nextDummy >= dummies.size())
            return false;
        dummyDue = true;
    }
    if (dummyDue) {
        row = CFileEntry();
        row.isDummy = true;
        ++m_nextDummy;
    }
    ++m_rowIndex;
    return true;
}

std::vector<CFileEntry> CandidateRows::TakeAll()
{
    std::vector<CFileEntry> rows;
    CFileEntry row;
    while (Next(row))
        rows.push_back(std::move(row));
    return rows;
}

} // namespace cli
