#pragma once

#include "engine/SettingChoices.h"
#include "exec/PathStore.h"
#include "exec/PlanProblem.h"
#include "platform/FileIdentity.h"
#include "platform/TimeFormat.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace exec {

enum class RenameStatus : std::uint8_t {
    NotRenamed = 0, // kept its old name: refused, declined, blocked or failed
    Renamed = 1,
    Replaced = 2, // renamed, replacing an existing file of the new name
};

// One processed entry of a rename: a row of the run plan, then the undo record
// and the source of its log row. Its paths live in the store of the
// CRenameRecords that holds it.
struct CRenameRecord {
    CPathText oldPath;
    CPathText newPath;
    CPathText tempPath;
    platform::TimeValue time = 0;    // the entry's last-write time
    std::uint32_t attributes = 0;    // the entry's attributes as read
    std::uint32_t newAttributes = 0; // the attributes after unification

    int row = 0;                             // row index in the candidate list
    int error = 0;                           // errno value of a failed step
    PlanProblem problem = PlanProblem::None; // why the entry keeps its old name
    RenameStatus status = RenameStatus::NotRenamed;
    bool usesTemp = false; // true exactly when tempPath is not empty
    bool replaces = false; // the new name may be replaced (the user said so)

    // Identity of the source as listed, and of the file this run put at
    // newPath (the source itself for a rename; for a copy the new file, with
    // the size and time it was made with), so that undo only ever moves or
    // deletes that very file.
    platform::FileIdentity source;
    platform::FileVersion placed;

    bool Done() const { return status != RenameStatus::NotRenamed; }
};

// The records of a run, in one array, with the store their paths are kept in.
// A copy shares the store, so records taken from one list into another keep
// their paths.
class CRenameRecords {
public:
    using iterator = std::vector<CRenameRecord>::iterator;
    using const_iterator = std::vector<CRenameRecord>::const_iterator;

    // An empty list keeping its paths in this list's store.
    CRenameRecords Sharing()
    {
        CRenameRecords empty;
        empty.m_paths = Paths();
        return empty;
    }
    // Keeps path in the store, for a record of this list (or one sharing it).
    CPathText Store(std::string_view path) { return Paths()->Store(path); }

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    void reserve(std::size_t n) { m_items.reserve(n); }
    void resize(std::size_t n) { m_items.resize(n); }
    // Adds a record whose paths are in this list's store.
    void push_back(const CRenameRecord &r) { m_items.push_back(r); }
    // Adds a record whose paths may be in another store: they are kept in this one.
    void Add(CRenameRecord r)
    {
        r.oldPath = Store(r.oldPath);
        r.newPath = Store(r.newPath);
        r.tempPath = Store(r.tempPath);
        m_items.push_back(r);
    }
    iterator erase(const_iterator first, const_iterator last) { return m_items.erase(first, last); }
    CRenameRecord &operator[](std::size_t i) { return m_items[i]; }
    const CRenameRecord &operator[](std::size_t i) const { return m_items[i]; }
    const CRenameRecord &back() const { return m_items.back(); }
    CRenameRecord *data() { return m_items.data(); }
    const CRenameRecord *data() const { return m_items.data(); }
    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    auto rbegin() { return m_items.rbegin(); }
    auto rend() { return m_items.rend(); }

private:
    // Made with the first path, so that an empty list (also one moved from)
    // costs nothing and still works.
    const std::shared_ptr<CPathStore> &Paths()
    {
        if (!m_paths)
            m_paths = std::make_shared<CPathStore>();
        return m_paths;
    }

    std::vector<CRenameRecord> m_items;
    std::shared_ptr<CPathStore> m_paths;
};

// The values of the settings record at the start of a rename, which the whole
// run (and its undo) uses even if the settings change meanwhile.
struct CRenameSnapshot {
    OutputKind outputMode = OutputKind::InPlace;
    bool isFileTimeChange = false;
    bool isFileAttribChange = false;
    platform::TimeValue fileTime = 0;
};

// What a run did, which decides how it is taken back.
enum class RunKind : std::uint8_t {
    Files = 0,               // files renamed, moved or copied (snapshot.outputMode says which)
    Folders = 1,             // folders renamed in place
    Batch = 2,               // files renamed in place in several directories
    NumberedDirectories = 3, // records: the folders made (newPath), oldPath empty
    Concatenation = 4,       // records: the sources moved to the trash (newPath: where the trash keeps them)
};

// The record of one run that changed something: what undo takes back.
struct CUndoList {
    RunKind kind = RunKind::Files;
    CRenameRecords records;
    CRenameSnapshot snapshot;
    bool available = false; // the run changed something that can be taken back
    // Saved as its run began and not after it: which records were done is
    // read off the disk (a record is done where its file is at its new name).
    bool pending = false;
};

} // namespace exec
