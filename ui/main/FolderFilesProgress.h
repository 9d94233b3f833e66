#pragma once

#include "platform/DirectoryList.h"

#include <string>
#include <vector>

class QWidget;

// The files of `folders` in their order, each walked as
// platform::CollectFolderFiles does, on a worker thread: `window` keeps
// painting meanwhile and takes no input. A walk that lasts shows a dialog with
// the number of files found and the folder being read; its 中止 stops the
// walk, and the files found until then are returned.
std::vector<platform::DirEntryInfo> CollectFilesWithProgress(QWidget *window,
                                                             const std::vector<std::string> &folders,
                                                             const std::vector<std::string> &patterns,
                                                             bool recurse);
