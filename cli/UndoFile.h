#pragma once

#include "exec/RenameRecord.h"

#include <string>

namespace exec {
struct CRunPlan;
}

namespace cli {

// The undo data of the last rename of files made by kestrel-cli, kept between
// runs in a file of $XDG_STATE_HOME/Kestrel/. Paths are stored length-prefixed,
// so every byte of a name comes back as it was.
class UndoFile {
public:
    // The file in the state directory.
    UndoFile();
    explicit UndoFile(std::string path) : m_path(std::move(path)) {}

    const std::string &path() const { return m_path; }

    enum class LoadResult { Missing, Loaded, Damaged };

    // Replaces the file atomically. 0 or an error code.
    int Save(const exec::CUndoList &undo) const;
    LoadResult Load(exec::CUndoList &undo) const;
    // 0 when the file is gone afterwards, else the errno value.
    int Remove() const;

    // Before a run's first step the file becomes the run's record as planned
    // (marked pending; none for a rename of folders, which cannot be undone),
    // the last run's kept aside. 0, or the error code that must stop the run.
    int BeginRun(const exec::CRunPlan &plan) const;
    // After the run: its record as it ended, or, where it changed nothing,
    // the last run's back. 0 or an error code.
    int EndRun(const exec::CUndoList &undo, bool changed) const;

private:
    std::string AsidePath() const { return m_path + ".before"; }
    int Write(const exec::CRenameSnapshot &snapshot, const std::vector<exec::CRenameRecord> &records,
              bool pending) const;

    std::string m_path;
};

} // namespace cli
