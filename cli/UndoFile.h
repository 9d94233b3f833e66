#pragma once

#include "exec/RenameRecord.h"

#include <string>

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

    // Replaces the file atomically. 0 or an error code.
    int Save(const exec::CUndoList &undo) const;
    // False when there is no file or it is not undo data.
    bool Load(exec::CUndoList &undo) const;
    void Remove() const;

private:
    std::string m_path;
};

} // namespace cli
