#pragma once

#include "platform/FileIdentity.h"
#include "platform/TimeFormat.h"

#include <string>
#include <string_view>

// The .trashinfo file that tells where a trashed entry came from and when.
namespace platform {

// "[Trash Info]", the Path (every byte that is neither an unreserved
// character nor "/" as %XX, so that any name, UTF-8 or not, is kept byte for
// byte) and the DeletionDate in local time.
std::string TrashInfoText(std::string_view originalPath, TimeValue deleted);

// Creates the file info (which must not exist yet) holding text, written and
// synced to disk. 0 with made set to its identity; EEXIST when the name is
// taken; otherwise the errno value, and the file made is removed again.
int CreateTrashInfo(const std::string &info, std::string_view text, FileIdentity &made);

// Removes the info file while it is the one made (never one put there since).
void RemoveTrashInfo(const std::string &info, const FileIdentity &made);

} // namespace platform
