#pragma once

#include "engine/RenameSettings.h"
#include "exec/ExecutionHost.h"
#include "exec/Run.h"
#include "model/FileEntry.h"
#include "platform/DirectoryList.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace exec_test {

// Answers the questions of a run from scripts and records what was asked.
class ScriptedHost : public exec::IExecutionHost {
public:
    std::deque<bool> answers;                     // for Ask, in order; true when empty
    std::deque<exec::OverwriteAnswer> overwrites; // for AskOverwrite; No when empty
    std::vector<std::pair<exec::QuestionKind, std::string>> asked;
    std::vector<std::string> overwriteTargets;
    std::vector<std::string> messages;
    std::function<void(int, int)> onProgress;
    int lastPosition = 0, lastMaximum = 0;

    bool Ask(exec::QuestionKind kind, const std::string &, const std::string &text) override
    {
        asked.emplace_back(kind, text);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    exec::OverwriteAnswer AskOverwrite(const std::string &targetPath) override
    {
        overwriteTargets.push_back(targetPath);
        if (overwrites.empty())
            return exec::OverwriteAnswer::No;
        const auto answer = overwrites.front();
        overwrites.pop_front();
        return answer;
    }
    void ShowMessage(const std::string &, const std::string &text, exec::MessageIcon) override
    {
        messages.push_back(text);
    }
    void ReportProgress(int position, int maximum) override
    {
        lastPosition = position;
        lastMaximum = maximum;
        if (onProgress)
            onProgress(position, maximum);
    }
};

// The entry of an existing file or folder, as the lists would make it.
inline CFileEntry EntryFor(const std::string &path)
{
    platform::DirEntryInfo info;
    if (platform::ReadDirEntry(path, info) != 0)
        throw std::runtime_error("no entry " + path);
    return CFileEntry(info);
}

inline CFileEntry Placeholder()
{
    CFileEntry entry;
    entry.isDummy = true;
    return entry;
}

inline std::vector<CFileEntry> EntriesFor(const std::vector<std::string> &paths)
{
    std::vector<CFileEntry> entries;
    for (const std::string &p : paths)
        entries.push_back(p.empty() ? Placeholder() : EntryFor(p));
    return entries;
}

// Names taken line by line: row i gets names[i].
inline CRenameSettings NamesSettings(std::vector<std::string> names)
{
    CRenameSettings settings;
    settings.RenameMode = RenameKind::FromFile;
    settings.InputLines = std::move(names);
    return settings;
}

inline struct stat StatOf(const std::string &path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

// Runs rows through the one entry of runs, without its confirmation, and
// appends the result's rows to log. True when the run went ahead.
inline bool RunRows(const std::vector<CFileEntry> &rows, CRenameSettings &settings, exec::CUndoList &undo,
                    exec::CResultLog &log, exec::IExecutionHost &host)
{
    exec::CRunRequest request;
    request.rows = rows;
    request.confirm = false;
    const exec::CRunOutcome outcome = exec::Run(request, settings, undo, host);
    log.rows().insert(log.rows().end(), outcome.log.rows().begin(), outcome.log.rows().end());
    return outcome.performed;
}

// The same for a rename of folders.
inline bool RunFolderRows(const std::vector<CFileEntry> &rows, CRenameSettings &settings,
                          exec::CUndoList &undo, exec::CResultLog &log, exec::IExecutionHost &host)
{
    settings.ObjMode = ObjectKind::Folders;
    return RunRows(rows, settings, undo, log, host);
}

} // namespace exec_test
