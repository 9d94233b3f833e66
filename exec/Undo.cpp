#include "exec/Undo.h"

#include "exec/TempNames.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

namespace exec {

namespace {

// 0 when the file at record.newPath is still the one the rename put there.
int CheckPlaced(const CRenameRecord &r)
{
    const platform::FileIdentity now = platform::GetFileIdentity(r.newPath);
    if (!now.valid)
        return ENOENT;
    // Undo data from before identities were kept cannot be checked.
    if (r.placedInode == 0 && r.placedDevice == 0)
        return 0;
    return now.device == r.placedDevice && now.inode == r.placedInode ? 0 : platform::kErrorFileReplaced;
}

void UndoCopies(const std::vector<CRenameRecord> &records, CUndoReport &report)
{
    for (const CRenameRecord &r : records) {
        if (r.status == 0)
            continue;
        int error = CheckPlaced(r);
        if (!error)
            error = platform::DeleteFile(r.newPath);
        if (error)
            report.failures.push_back({r.newPath, {}, error});
    }
}

// Mirrors the passes of the rename: files that went through a temporary name
// go back through one, so swapped and shifted names return without a clash.
// Nothing is replaced: a name taken by another file meanwhile stops that file.
void UndoMoves(const std::vector<CRenameRecord> &records, CUndoReport &report)
{
    CTempNameAllocator temps;
    std::vector<std::string> parked(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const CRenameRecord &r = records[i];
        if (r.status == 0)
            continue;
        const std::string target =
            r.usesTemp ? temps.Allocate(platform::SplitPath(r.oldPath).directory, static_cast<long>(i))
                       : r.oldPath;
        int error = CheckPlaced(r);
        if (!error && r.usesTemp)
            error = platform::MoveOrCopy(r.newPath, target, false, false);
        else if (!error)
            error = platform::TransferFile(r.newPath, target, r.time, r.attributes, false, false);
        if (error)
            report.failures.push_back({r.newPath, r.oldPath, error});
        else if (r.usesTemp)
            parked[i] = target;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (parked[i].empty())
            continue;
        const CRenameRecord &r = records[i];
        const int error = platform::TransferFile(parked[i], r.oldPath, r.time, r.attributes, false, false);
        if (!error)
            continue;
        // Its old name is taken: rather than leave it under a temporary name,
        // the file returns to where the rename had put it.
        const bool back = platform::MoveOrCopy(parked[i], r.newPath, false, false) == 0;
        report.failures.push_back({back ? r.newPath : parked[i], r.oldPath, error});
    }
}

} // namespace

CUndoReport UndoRename(CUndoList &undo, IExecutionHost &host)
{
    CUndoReport report;
    if (!host.Ask(QuestionKind::ConfirmUndo, "アンドゥ", "前回の変名を元に戻して良いですか？"))
        return report;
    report.performed = true;
    if (undo.snapshot.outputMode == kOutputCopy)
        UndoCopies(undo.records, report);
    else
        UndoMoves(undo.records, report);
    undo.available = false;
    return report;
}

} // namespace exec
