#pragma once

#include "platform/FileIdentity.h"

#include <functional>
#include <string>

namespace platform {

// Moves the file or folder at path to the user's freedesktop trash on its own
// file system (never copied to another one), under its own name or the next
// free "name.2", "name.3", … with a .trashinfo file that records the path byte
// for byte. The info file is in place before the entry moves and goes again
// when the move fails, so the trash never holds an entry without one.
// 0; ENOENT when nothing is at path; EXDEV when its file system has no trash
// the user can use; or another error code.
// beforeMove, where given, is told where in the trash the entry is about to
// go (a journal records it there); a non-zero return leaves it in place.
using TrashObserver = std::function<int(const std::string &target, const FileIdentity &entry)>;
int MoveToTrash(const std::string &path, const TrashObserver &beforeMove = {});

// The .trashinfo file that belongs to the trashed entry at trashedPath (a path
// inside a trash's "files" folder).
std::string TrashInfoPathOf(const std::string &trashedPath);

} // namespace platform
