#pragma once

#include "engine/MediaLookup.h"
#include "engine/SettingChoices.h"
#include "platform/TimeFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CFileEntry;
class CRegistryStore;

// Why a run cannot start with these settings: something it needs is not given.
enum class StartProblem {
    None,
    NoDestination,  // a move or copy without the folder to put the files in
    NoFormat,       // the format mode without a format
    NoNamesFile,    // names from a file without the file
    NoOutputFile,   // a concatenation without its output file
    InvalidPattern, // the replace mode's regular expression does not compile
};

// Everything that decides what a run does to the candidate entries: the mode,
// the parameters of every mode, the output and the unification. A plain value.
class CRenameSettings {
public:
    CRenameSettings();

    // Copies every persisted field; IsInBatch and InputLines stay as they are.
    void CopyFrom(const CRenameSettings &other);

    // Persisted fields. The settings field table (engine/SettingsFields.h)
    // names them for the store and the command line, in the order they are
    // stored, and gives the value each takes on construction.
    RenameKind RenameMode;
    ObjectKind ObjMode;
    std::string RenumStr1;
    std::string RenumStr2;
    std::string RenumExtension;
    int NumberWidth;
    int NumberStart;
    int NumberStep;
    bool IsRenumExtensionChange;
    bool IsIncrement;
    std::string OrgStr1;
    std::string OrgStr2;
    std::string OrgExtension;
    bool IsOrgExtensionChange;
    bool IsCase;
    bool IsConvNum;
    bool IsConvAlpha;
    bool IsConvKana;
    LetterCase FileCase;
    LetterCase ExtensionCase;
    CharWidth ConvNum;
    CharWidth ConvAlpha;
    CharWidth ConvKana;
    std::string ReplaceStr1;
    std::string ReplaceStr2;
    bool IsReplaceCase;
    bool IsReplaceRegex; // ReplaceStr1 is a regular expression
    RangePosition ReplaceMode;
    int ReplaceNum;
    int ReplaceWidth;
    std::string ReplaceStr;
    InsertPosition InsertMode;
    int InsertNum;
    std::string InsertStr;
    std::string FormatStr;
    TimeSource DateSource;
    std::string InputFile;
    std::string NumDirStr;
    int NumDirWidth;
    int NumDirStart;
    int NumDirStep;
    int NumDirCount;
    std::string OutputFile;
    std::string Sepa;
    SeparatorPlacement SepaMode;
    LineEnds RetMode;
    EofMark EofMode;
    bool IsAppend;
    bool IsDelete;
    bool IsFileTimeChange;
    platform::TimeValue FileTime; // the current time on construction
    bool IsFileAttribChange;
    AttributeChange AtrReadOnly;
    AttributeChange AtrHidden;
    AttributeChange AtrSystem;
    AttributeChange AtrArchive;
    OutputKind FileCopyMode;
    std::string FileCopyDirectory;

    // Run-time only.
    bool IsInBatch = false;
    std::vector<std::string> InputLines;

    // What kind of run the settings make.
    // Files are renamed (in place, moved or copied): not folders, not
    // numbered directories, not a concatenation.
    bool RenamesFiles() const;
    // Entries are renamed, files or folders (not numbered directories, not a concatenation).
    bool RenamesEntries() const;
    // The object kind chosen is folders, whatever the mode makes of it.
    bool ChoosesFolders() const;
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
    // The message that refuses a run for problem (empty for None); for a
    // pattern, the compiler's reason and where it stopped.
    std::string StartProblemMessage(StartProblem problem) const;
    // The replace mode matches a regular expression that does not compile.
    bool HasInvalidPattern() const;

    // New-name computation. rowIndex is the 0-based row of the candidate list,
    // placeholder rows counted. media gives the file's own data to the
    // placeholders that ask for it; by default it is read, waiting for it.
    std::string ComputeNewName(const CFileEntry &entry, int rowIndex,
                               const engine::IMediaLookup &media = engine::ReadingMediaLookup()) const;
    std::string ComputeTargetPath(const CFileEntry &entry, int rowIndex) const;
    // The folder ComputeTargetPath puts the entry's new name in.
    std::string ComputeTargetDirectory(const CFileEntry &entry) const;
    std::string GetNumberedDirName(int rowIndex) const;
    std::string GetPreviewTimeText(const CFileEntry &entry) const;
    std::uint32_t GetNewAttributes(const CFileEntry &entry) const;
    std::uint32_t GetNewDirAttributes() const;
    static std::string FormatAttributeText(std::uint32_t attributes);

    // Character kinds.
    // Appends the title and the extension converted, joined by ".".
    void ConvertCharKinds(std::string &out, std::string_view title, std::string_view extension) const;
    enum CaseOperation : int { kCaseNone = 0, kCaseUpper = 1, kCaseLower = 2 };
    // One character (its UTF-8 bytes, or one invalid byte) with the case
    // operation applied and, when widthFlag is set, the width chosen by the
    // Is/Conv settings of its kind. Longer texts convert character by character.
    std::string ConvertChar(std::string_view character, int caseOperation, bool widthFlag) const;

    // Placeholders.
    std::string ExpandFormat(const std::string &text, const CFileEntry &entry, int rowIndex,
                             const engine::IMediaLookup &media = engine::ReadingMediaLookup()) const;
    // The same, appended to out.
    void AppendExpanded(std::string &out, const std::string &text, const CFileEntry &entry, int rowIndex,
                        const engine::IMediaLookup &media) const;
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
