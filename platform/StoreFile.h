#pragma once

#include "platform/StoreFileFormat.h"

#include <functional>
#include <string>

// Reading and replacing the settings store file itself. Reading never blocks
// and never writes; a write is the only step that changes anything on disk.
namespace platform {

// Codes of a store file that cannot be used, beside errno values.
// The path leads to a device, a named pipe or a socket, not to a file.
inline constexpr int kStoreNotRegularFile = 1101;
// The file is not in the store format, or too large to be a store.
inline constexpr int kStoreUnparsable = 1102;

// The reason for a code of the store (kStore* or an errno value) in words.
std::string StoreErrorMessage(int code);

struct StoreFileContent {
    // 0 when the file was read or is not there (an empty store); otherwise
    // why it could not be used, and values is empty.
    int error = 0;
    StoredValues values;
};

// The values of the store file at path, read without blocking on a named
// pipe or a device: only a regular file (or a symbolic link to one) is read.
StoreFileContent ReadStoreFile(const std::string &path);

// Changes the store file at path: under a lock on its folder (so that
// running instances do not lose each other's writes) the file is read again,
// change is applied to its values and the result replaces the file
// atomically. A file that cannot be read is left alone (its error is
// returned); one that cannot be parsed is first kept aside under
// "<name>.broken" (".broken.2" ... when taken). A symbolic link to a regular
// file is kept and its target replaced; a link that leads nowhere or to
// anything else is refused. Returns 0 or the reason, as ReadStoreFile gives
// it or the errno value of the failed step.
int UpdateStoreFile(const std::string &path, const std::function<void(StoredValues &)> &change);

} // namespace platform
