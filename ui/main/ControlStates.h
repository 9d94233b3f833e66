#pragma once

#include "engine/RenameSettings.h"

// The list of the main window that has the focus.
enum class ListPane { Selection, Candidates };

// What decides which controls of the main window are enabled. Collected by the
// window from its members and controls, so the rules can be checked alone.
struct ControlStateInputs {
    // The window's settings with the output and destination its combos show.
    CRenameSettings settings;
    bool unifyTime = false; // check box タイムスタンプ統一
    bool unifyAttr = false; // check box 属性統一
    bool directoryIsRoot = false;
    bool isSplit = true;
    ListPane listFocus = ListPane::Selection;
    int selectionListRows = 0;
    int selectionListSelected = 0;
    int candidateRows = 0;
    int candidateSelected = 0;
    bool firstCandidateSelected = false;
    bool lastCandidateSelected = false;
    bool undoAvailable = false;
};

struct ControlStates {
    bool objectKind = false; // ファイル / フォルダ radios
    bool unifyTime = false;
    bool timePickers = false; // date, time, 現在日時, 00:00:00
    bool unifyAttr = false;
    bool attrChecks = false;
    bool parentDirectory = false;
    bool output = false;
    bool destination = false; // destination combo and its browse button
    bool insertDummy = false;
    bool addAll = false;
    bool clearAll = false;
    bool addOrRemove = false;
    bool moveToTop = false;
    bool moveUp = false;
    bool moveToPosition = false;
    bool moveDown = false;
    bool moveToEnd = false;
    bool undo = false;
    bool execute = false;
};

ControlStates ComputeControlStates(const ControlStateInputs &in);
