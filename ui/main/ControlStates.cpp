#include "ui/main/ControlStates.h"

ControlStates ComputeControlStates(const ControlStateInputs &in)
{
    const CRenameSettings &settings = in.settings;
    ControlStates s;
    s.objectKind = settings.RenamesEntries();

    // Time stamps, move and copy apply to renamed files only.
    s.unifyTime = settings.RenamesFiles();
    s.timePickers = s.unifyTime && in.unifyTime;
    s.unifyAttr = !settings.Concatenates();
    s.attrChecks = s.unifyAttr && in.unifyAttr;

    s.parentDirectory = !in.directoryIsRoot;

    s.output = settings.RenamesFiles();
    s.destination = settings.UsesOutputFolder();

    // The rows of numbered directories are placed by their count, not by the user.
    const bool rowsEditable = !settings.CreatesNumberedDirectories();
    if (in.listFocus == ListPane::Candidates && rowsEditable && in.candidateSelected > 0) {
        s.addOrRemove = s.moveToTop = s.moveToPosition = s.moveToEnd = true;
        s.insertDummy = !settings.Concatenates();
        s.moveUp = !in.firstCandidateSelected;
        s.moveDown = !in.lastCandidateSelected;
    }
    if (in.listFocus == ListPane::Selection && in.selectionListSelected > 0)
        s.addOrRemove = true;
    s.addAll = in.selectionListRows > 0 && in.isSplit && rowsEditable;
    s.clearAll = in.candidateRows > 0 && rowsEditable;

    s.undo = in.undoAvailable;
    s.execute = in.candidateRows > 0 && settings.CheckStart() == StartProblem::None;
    return s;
}
