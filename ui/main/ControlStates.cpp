#include "ui/main/ControlStates.h"

#include "engine/RenameSettings.h"

ControlStates ComputeControlStates(const ControlStateInputs &in)
{
    ControlStates s;
    const bool specialMode = in.renameMode == kModeNumberedDirs || in.renameMode == kModeConcatenate;
    s.objectKind = !specialMode;

    // Time stamps, move and copy apply to renamed files only.
    const bool filesRenamed = !(in.objMode == 1 || specialMode);
    s.unifyTime = filesRenamed;
    s.timePickers = s.unifyTime && in.unifyTime;
    s.unifyAttr = in.renameMode != kModeConcatenate;
    s.attrChecks = s.unifyAttr && in.unifyAttr;

    s.parentDirectory = !in.directoryIsRoot;

    s.output = filesRenamed;
    s.destination = s.output && in.outputIndex != 0;

    if (in.listFocus == 2 && in.renameMode != kModeNumberedDirs && in.candidateSelected > 0) {
        s.addOrRemove = s.moveToTop = s.moveToPosition = s.moveToEnd = true;
        s.insertDummy = in.renameMode != kModeConcatenate;
        s.moveUp = !in.firstCandidateSelected;
        s.moveDown = !in.lastCandidateSelected;
    }
    if (in.listFocus == 1 && in.sourceSelected > 0)
        s.addOrRemove = true;
    s.addAll = in.sourceRows > 0 && in.isSplit && in.renameMode != kModeNumberedDirs;
    s.clearAll = in.candidateRows > 0 && in.renameMode != kModeNumberedDirs;

    s.undo = in.undoAvailable;

    bool execute = in.candidateRows > 0;
    if (in.renameMode == kModeFormat && in.formatEmpty)
        execute = false;
    if (in.renameMode == kModeFromFile && in.inputFileEmpty)
        execute = false;
    if (in.renameMode == kModeConcatenate && in.outputFileEmpty)
        execute = false;
    if (in.outputIndex != 0 && in.destinationEmpty && !specialMode && in.objMode != 1)
        execute = false;
    s.execute = execute;
    return s;
}
