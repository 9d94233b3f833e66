#pragma once

#include "platform/DirectoryList.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Told, as the walk enters each folder, how many files were found so far and
// which folder is read now.
using FolderWalkProgress = std::function<void(std::size_t found, const std::string &folder)>;

// The files (every entry that is not a folder) of `folder`: for each of the
// wildcard patterns in order the matching files in name order (no pattern:
// every file), each file once however many patterns match it; then, with
// `recurse`, every sub-folder in name order walked the same way, whatever its
// name. Folders that cannot be read give nothing and the walk goes on.
// Symbolic links to folders are followed, but a folder already walked (the
// same device and inode) is not entered again, so a link loop ends. When
// `stop` becomes true the walk ends early with the files found so far.
std::vector<DirEntryInfo> CollectFolderFiles(const std::string &folder,
                                             const std::vector<std::string> &patterns, bool recurse,
                                             const std::atomic<bool> *stop = nullptr,
                                             const FolderWalkProgress &progress = {});

} // namespace platform
