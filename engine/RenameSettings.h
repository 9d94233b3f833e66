#pragma once

#include "platform/TimeFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CFileEntry;
class CRegistryStore;

// Rename modes as the mode combo lists them (the combo index is the mode).
enum RenameModeValue : int {
    kModeRenumber = 0,
    kModeOldName = 1,
    kModeCharKind = 2,
    kModeReplace = 3,
    kModeRangeReplace = 4,
    kModeInsert = 5,
    kModeFormat = 6,
    kModeFromFile = 7,
    kModeNumberedDirs = 9,
    kModeConcatenate = 11,
    kModeStoreDefaults = 13, // command row, never stored as the mode
};

// Why a run cannot start with these settings: something it needs is not given.
enum class StartProblem {
    None,
    NoDestination, // a move or copy without the folder to put the files in
    NoFormat,      // the format mode without a format
    NoNamesFile,   // names from a file without the file
    NoOutputFile,  // a concatenation without its output file
};

// Everything that decides what a run does to the candidate entries: the mode,
// the parameters of every mode, the output and the unification. A plain value.
class CRenameSettings {
public:
    CRenameSettings();

    // Copies every persisted field; IsInBatch and InputLines stay as they are.
    void CopyFrom(const CRenameSettings &other);

    // Persisted fields, in the order they are stored.
    int RenameMode = 0;
    int ObjMode = 0; // 0 files, 1 folders
    std::string RenumStr1;
    std::string RenumStr2;
    std::string RenumExtension;
    int NumberWidth = 3;
    int NumberStart = 1;
    int NumberStep = 1;
    int IsRenumExtensionChange = 0;
    int IsIncrement = 0;
    std::string OrgStr1;
    std::string OrgStr2;
    std::string OrgExtension;
    int IsOrgExtensionChange = 0;
    int IsCase = 0;
    int IsConvNum = 0;
    int IsConvAlpha = 0;
    int IsConvKana = 0;
    int FileCase = 0; // 0 unchanged, 1 upper, 2 lower, 3 capitalised
    int ExtensionCase = 0;
    int ConvNum = 0; // 0 half width, 1 full width
    int ConvAlpha = 0;
    int ConvKana = 0;
    std::string ReplaceStr1;
    std::string ReplaceStr2;
    int IsReplaceCase = 0;
    int ReplaceMode = 0;
    int ReplaceNum = 2;
    int ReplaceWidth = 1;
    std::string ReplaceStr;
    int InsertMode = 0;
    int InsertNum = 2;
    std::string InsertStr;
    std::string FormatStr;
    std::string InputFile;
    std::string NumDirStr;
    int NumDirWidth = 3;
    int NumDirStart = 1;
    int NumDirStep = 1;
    int NumDirCount = 1;
    std::string OutputFile;
    std::string Sepa;
    int SepaMode = 0;
    int RetMode = 0;
    int EofMode = 0;
    int IsAppend = 0;
    int IsDelete = 0;
    int IsFileTimeChange = 0;
    platform::TimeValue FileTime = 0; // set to the current time by construction
    int IsFileAttribChange = 0;
    int AtrReadOnly = 0; // 0 clear, 1 set, 2 leave unchanged
    int AtrHidden = 0;
    int AtrSystem = 0;
    int AtrArchive = 0;
    int FileCopyMode = 0; // 0 in place, 1 move, 2 copy
    std::string FileCopyDirectory;

    // Run-time only.
    int IsInBatch = 0;
    std::vector<std::string> InputLines;

    // What kind of run the settings make.
    // Files are renamed (in place, moved or copied): not folders, not
    // numbered directories, not a concatenation.
    bool RenamesFiles() const;
    // Entries are renamed, files or folders (not numbered directories, not a concatenation).
    bool RenamesEntries() const;
    // The candidates are folders: folders renamed, or the numbered directories' rows.
    bool TargetsFolders() const;
    // Numbered directories are created; the candidate rows only hold their places.
    bool CreatesNumberedDirectories() const;
    // The candidates are concatenated into OutputFile.
    bool Concatenates() const;
    // New names come from the lines of InputFile.
    bool TakesNamesFromFile() const;
    // Renumbering with 加算: the start moves on after every run.
    bool AdvancesNumbering() const;
    // Renamed files go to FileCopyDirectory (moved or copied); never in a batch.
    bool UsesOutputFolder() const;
    // Makes the output file, destination and names file absolute, read from
    // directory (held form) where they are relative.
    void ResolveRelativePaths(const std::string &directory);
    // The one check of whether a run can start; None when it can.
    StartProblem CheckStart() const;
    // The message that refuses a run for problem (empty for None).
    static const char *StartProblemMessage(StartProblem problem);

    // New-name computation. rowIndex is the 0-based row of the candidate list,
    // placeholder rows counted.
    std::string ComputeNewName(const CFileEntry &entry, int rowIndex) const;
    std::string ComputeTargetPath(const CFileEntry &entry, int rowIndex) const;
    // The folder ComputeTargetPath puts the entry's new name in.
    std::string ComputeTargetDirectory(const CFileEntry &entry) const;
    std::string GetNumberedDirName(int rowIndex) const;
    std::string GetPreviewTimeText(const CFileEntry &entry) const;
    std::uint32_t GetNewAttributes(const CFileEntry &entry) const;
    std::uint32_t GetNewDirAttributes() const;
    static std::string FormatAttributeText(std::uint32_t attributes);

    // Character kinds.
    std::string ConvertCharKinds(const std::string &title, const std::string &extension) const;
    enum CaseOperation : int { kCaseNone = 0, kCaseUpper = 1, kCaseLower = 2 };
    // One character (its UTF-8 bytes, or one invalid byte) with the case
    // operation applied and, when widthFlag is set, the width chosen by the
    // Is/Conv settings of its kind. Longer texts convert character by character.
    std::string ConvertChar(std::string_view character, int caseOperation, bool widthFlag) const;

    // Placeholders.
    std::string ExpandFormat(const std::string &text, const CFileEntry &entry, int rowIndex) const;
    static bool ParseNumberField(const std::string &text, std::size_t &position, int &value);

    // Names from a file: replaces InputLines by the lines of InputFile. 0, or
    // the errno value of why InputFile gave no lines (EISDIR for a folder,
    // EINVAL for a pipe or device, EFBIG for a file over 64 MiB). An empty
    // InputFile names no file: no lines, and 0.
    int LoadInputLines();
    // The reason a code of LoadInputLines gives, for the user.
    static std::string InputFileProblem(int code);
    // The names of a names file's decoded text: one per line (LF or CR LF),
    // a line that is a path giving its last component.
    static std::vector<std::string> NamesFromText(std::string_view text);

    // Persistence under a key of the settings store ("Rename" or "Default").
    void LoadSettings(CRegistryStore &store, const std::string &key);
    void SaveSettings(CRegistryStore &store, const std::string &key) const;
};
