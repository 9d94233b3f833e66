#include "engine/RenameSettings.h"
#include "exec/RenameExecution.h"
#include "exec/RenamePasses.h"
#include "model/FileEntry.h"
#include "platform/Paths.h"

namespace exec {

namespace {

// Renumbering with 加算 continues after the rows of this run next time.
void AdvanceNumberStart(CRenameSettings &settings, std::size_t rowCount)
{
    if (settings.RenameMode == kModeRenumber && settings.IsIncrement)
        settings.NumberStart += static_cast<int>(rowCount) * settings.NumberStep;
}

} // namespace

bool RenameFiles(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                 CResultLog &log, IExecutionHost &host)
{
    const bool inBatch = settings.IsInBatch != 0;
    const int outputMode = inBatch ? kOutputInPlace : settings.FileCopyMode;
    const std::string outputDirectory = platform::NormalizeDirectory(settings.FileCopyDirectory);
    if (outputMode != kOutputInPlace && !EnsureOutputDirectory(outputDirectory, "Kestrel（実行）", host))
        return false;

    undo.records.clear();
    undo.available = false;
    undo.snapshot = {outputMode, settings.IsFileTimeChange != 0, settings.IsFileAttribChange != 0,
                     settings.FileTime};
    CPassOptions options;
    options.copy = outputMode == kOutputCopy;
    options.snapshot = undo.snapshot;
    // The same choice of directory as the new-path computation makes.
    const bool toOutput = outputMode != kOutputInPlace && settings.ObjMode != 1;
    const PathPlanner plan = [&](const CFileEntry &entry, int row) {
        return CPlannedPath{settings.ComputeTargetPath(entry, row),
                            toOutput ? outputDirectory : entry.directory};
    };
    if (!RunRenamePasses(candidates, settings, plan, options, undo.records, log, host))
        return false;

    if (!inBatch)
        AdvanceNumberStart(settings, candidates.size());
    undo.available = true;
    return true;
}

void RenameFolders(const std::vector<CFileEntry> &candidates, CRenameSettings &settings, CUndoList &undo,
                   CResultLog &log, IExecutionHost &host)
{
    undo.records.clear();
    undo.available = false;
    undo.snapshot = {kOutputInPlace, settings.IsFileTimeChange != 0, settings.IsFileAttribChange != 0,
                     settings.FileTime};
    CPassOptions options;
    options.folders = true;
    options.snapshot = undo.snapshot;
    const PathPlanner plan = [&](const CFileEntry &entry, int row) {
        return CPlannedPath{platform::JoinPath(entry.directory, settings.ComputeNewName(entry, row)),
                            entry.directory};
    };
    if (RunRenamePasses(candidates, settings, plan, options, undo.records, log, host))
        AdvanceNumberStart(settings, candidates.size());
}

} // namespace exec
