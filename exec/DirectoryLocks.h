#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace exec {

// An exclusive lock on every folder a run, an undo or a recovery changes, held
// while it lasts, so that two of them (two windows, a window and the command
// line) never work on one folder at once and none moves a file from a listing
// the other has made stale. The lock is the folder's own (flock on the open
// folder): it ends with the process, whatever way that ends. Within one
// process the locks nest: a folder already held is taken again at once (the
// command line holds its folder from before its listing to the end of the run).
class CDirectoryLocks {
public:
    CDirectoryLocks() = default;
    ~CDirectoryLocks();
    CDirectoryLocks(const CDirectoryLocks &) = delete;
    CDirectoryLocks &operator=(const CDirectoryLocks &) = delete;

    // Locks the folders (in one order, so two runs never wait on each other
    // crosswise), waiting up to wait for one that another run holds. 0, or
    // EWOULDBLOCK with busyFolder set when a folder stayed locked, or the
    // errno value of a folder that cannot be opened, also named in busyFolder
    // (nothing stays locked).
    int Take(std::vector<std::string> folders, std::chrono::milliseconds wait, std::string &busyFolder);

private:
    void Release();
    std::vector<std::string> m_held;
};

// The open folder this process holds locked (the very folder that was locked,
// and perhaps listed, even if its path names another one by now), for calls
// relative to it; -1 when it is not held.
int HeldFolderHandle(const std::string &folder);

// The message for a folder that another run holds.
std::string BusyFolderMessage(const std::string &folder);

} // namespace exec
