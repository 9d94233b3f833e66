#pragma once

// What decides which controls of the main window are enabled. Collected by the
// window from its members and controls, so the rules can be checked alone.
struct ControlStateInputs {
    int renameMode = 0;
    int objMode = 0;        // 0 files, 1 folders
    int outputIndex = 0;    // 0 in place, 1 move, 2 copy
    bool unifyTime = false; // check box タイムスタンプ統一
    bool unifyAttr = false; // check box 属性統一
    bool directoryIsRoot = false;
    bool destinationEmpty = true; // text of the destination combo
    bool formatEmpty = true;      // FormatStr
    bool inputFileEmpty = true;   // InputFile
    bool outputFileEmpty = true;  // OutputFile
    bool isSplit = true;
    int listFocus = 1; // 1 selection list, 2 candidate list
    int sourceRows = 0;
    int sourceSelected = 0;
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
