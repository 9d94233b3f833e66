#pragma once

#include "exec/DirectoryNames.h"
#include "exec/RenameRecord.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CFileEntry;
class CRenameSettings;

// The plan of a rename: what the preview marks, what the command line
// reports and what the execution carries out. Candidates and settings become
// one record per row with the first problem an ordered list of checks finds;
// the questions are answered on the plan; then it is put in an order in which
// every file moves once, straight to its new name, after the file whose name
// it takes, with a temporary name only where a cycle needs one.
namespace exec {

enum class StepKind : std::uint8_t {
    Direct,   // old name to new name
    ToTemp,   // old name to the record's temporary name
    FromTemp, // temporary name to new name
};

struct CPlanStep {
    std::uint32_t record = 0;
    StepKind kind = StepKind::Direct;
};

inline constexpr std::uint32_t kNoRecord = static_cast<std::uint32_t>(-1);

struct CRunPlan {
    bool folders = false;        // folders are renamed in place
    bool copy = false;           // files are copied, the sources stay
    bool noDestination = false;  // a move or copy whose destination is not given
    bool invalidPattern = false; // the replace mode's regular expression does not compile
    bool ownTimes = false;       // undo: unified times go back to each record's own time
    // The sources were listed while this process held their folders' locks:
    // no other run can have moved them since, so they need no check.
    bool listedUnderLock = false;
    CRenameSnapshot snapshot;
    int rowCount = 0;                     // candidate rows, placeholders included
    CRenameRecords records;               // one per row with an entry, in row order
    std::vector<std::uint32_t> nameStart; // where the new name begins in each newPath
    // The record whose old path is each record's new path (kNoRecord when
    // none): the file that must leave before this one can arrive.
    std::vector<std::uint32_t> blocker;
    std::vector<CPlanStep> steps; // filled by OrderPlan

    std::string_view NewName(std::size_t record) const
    {
        return records[record].newPath.view().substr(nameStart[record]);
    }
    bool AnyProblem() const;
};

// An empty plan for settings: the kind of run, its snapshot and the folder
// files are moved or copied to. A rename of folders (ObjMode 1, or folders
// set by the caller) renames in place.
CRunPlan StartPlan(const CRenameSettings &settings, bool folders = false);

// Adds the record of one candidate row (nothing for a placeholder, which
// still counts as a row) with the checks of its name alone.
void AddPlanRow(CRunPlan &plan, const CRenameSettings &settings, const CFileEntry &entry, int row);

// The checks that look at the disk and at the other rows: target folders,
// two rows with one new name, names of entries outside the run. Then the
// rows whose new name belongs to a file that keeps its name are marked too.
// When `stop` is set (it is looked at every few thousand rows) the checks end
// early and leave a plan that is good for nothing.
void CheckPlan(CRunPlan &plan, CDirectoryNames &folders, const std::atomic<bool> *stop = nullptr);

// The whole plan of candidate rows as CheckPlan leaves it, begun as start;
// `stop` as for CheckPlan.
CRunPlan PlanRows(CRunPlan start, const std::vector<CFileEntry> &rows, const CRenameSettings &settings,
                  CDirectoryNames &folders, const std::atomic<bool> *stop = nullptr);

// After the questions: a record whose question was answered "no" (or whose
// answer is not asked at all) keeps its name, and so does every record whose
// new name is the old name of a record that keeps its own.
void SettleStays(CRunPlan &plan);

// Orders the records that go into steps (see StepKind). Call after SettleStays.
void OrderPlan(CRunPlan &plan);

// The folder a record's file goes to when the new path names nothing.
std::string_view TargetFolder(const CRunPlan &plan, std::size_t record);

} // namespace exec
