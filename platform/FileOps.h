#pragma once

#include "platform/FileIdentity.h"
#include "platform/PathView.h"
#include "platform/TimeFormat.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Moving, copying and deleting files. Every step returns 0 for success or an
// error code: kErrorTargetExists when the target is taken, otherwise the errno
// value. Nothing ever deletes an existing target before the new file is in
// place: replacing is an atomic rename over it.
namespace platform {

// The target exists; the only code that leads to a question.
inline constexpr int kErrorTargetExists = 183;
// The file at a path is no longer the one an earlier step put there.
inline constexpr int kErrorFileReplaced = 1001;
// The target is another name (a hard link) of the file being moved: a rename
// would do nothing and report success.
inline constexpr int kErrorSameFileLink = 1002;

// Why a single path component cannot be a new name.
enum class FileNameProblem { None, Empty, OnlyDots, Separator, NulByte, TooLong };
FileNameProblem ClassifyFileName(std::string_view name);

// True when something (even a dangling symbolic link) bears the name.
bool PathExists(PathView path);
bool IsDirectory(PathView path);

// Two paths name the same file when they are equal byte for byte, or both
// exist and are one file reached through two spellings (a case-insensitive
// file system). Two hard links of one file are not the same name.
bool IsSameFile(PathView a, PathView b);

// Told of a copy once its content is complete, before it takes its name (a
// journal records it there, so that a recovery can tell that very copy from
// anything else at the name); a non-zero return abandons the copy with that code.
using CopyObserver = std::function<int(const FileVersion &copy)>;

struct TransferOptions {
    bool copy = false;    // the source stays where it is
    bool replace = false; // an existing target is replaced (atomically)
    // The file being moved, where the caller knows it: a call that reports an
    // error after it has done its work (a retransmitted network call) is
    // recognised by it. Without it the source is looked at first.
    FileIdentity moving;
    CopyObserver onCopied; // a copy is made: on copy, and on a move to another file system
};

// Moves (or copies) source to target without touching times or attributes.
// Without replace an existing target gives kErrorTargetExists and stays as it
// is; with it the target is replaced atomically. A copy is written to a
// temporary file beside target and renamed into place; it keeps the source's
// permissions, stored flags and times to the nanosecond. A file moved to
// another file system is copied, the copy and its folder synced, then the
// source removed; a folder is not. No step ever removes a name whose twin it
// has not seen in place: a failed removal is looked at before anything is
// taken back.
int MoveOrCopy(const std::string &source, const std::string &target, const TransferOptions &options);
inline int MoveOrCopy(const std::string &source, const std::string &target, bool copy, bool replace)
{
    return MoveOrCopy(source, target, TransferOptions{copy, replace, {}, {}});
}

// The same by calls relative to open directories: sourceDirectory holds
// source and targetDirectory target (descriptors of an open directory, as
// from OpenDirectoryHandle; the full paths name the files in messages and
// build the names of temporary copies).
int MoveAt(int sourceDirectory, PathView source, int targetDirectory, PathView target,
           const TransferOptions &options);

// A descriptor of the directory for the calls relative to it, or -1 with errno set.
int OpenDirectoryHandle(const std::string &directory);

// What a finished transfer writes on the file at its new place. Without a
// value nothing is written: a rename keeps times and attributes exactly.
struct FileStamp {
    std::optional<TimeValue> time;           // access and modification time, whole seconds
    std::optional<std::uint32_t> attributes; // exactly these bits
};

// Writes stamp on the file at path. 0 or the errno value.
int StampFile(PathView path, const FileStamp &stamp);

// prefix and six random letters and digits: a temporary name nobody else
// chooses. Empty when the system gives no random bytes.
std::string RandomName(std::string_view prefix);

// Removes the partial copies (".kestrel-copy-" and six characters) that a
// process ended in the middle of a copy left in directory. Only for a folder
// no copy is under way in. 0 when none is left, else the error code of the
// listing or of a removal that failed.
int RemovePartialCopies(const std::string &directory);

// Removes a file, read-only or not. 0 or the errno value.
int DeleteFile(PathView path);
// Removes the file at path only while it is that very version: 0, ENOENT
// when nothing is there, kErrorFileReplaced when something else is.
int DeleteFileIfVersion(PathView path, const FileVersion &version);
// The same for the entry name in directory (an open directory, or AT_FDCWD
// with a path): the entry looked at is the one removed.
int DeleteFileIfVersionAt(int directory, const char *name, const FileVersion &version);
// Removes the empty folder at path only while it is that very folder: 0,
// ENOENT when nothing is there, kErrorFileReplaced when something else is,
// ENOTEMPTY when it holds anything, or another errno value.
int RemoveFolderIfIdentity(PathView path, const FileIdentity &identity);

// Creates directory and every missing parent. 0 when it exists afterwards.
int EnsureDirectory(const std::string &directory);

// Creates the new folder `name` inside `parent` (held form). 0, EINVAL for a
// name that is no single file name (a separator would put the folder
// somewhere else), or the errno value (EEXIST when the name is taken).
int MakeChildDirectory(const std::string &parent, const std::string &name);

// Writes all of data to fd, continuing after partial writes. 0 or errno.
int WriteAll(int fd, std::string_view data);

// Flushes the entries of a directory (a file just created or renamed in it) to disk.
int SyncDirectory(const std::string &directory);

// A readable text for an error code.
std::string ErrorMessage(int code);

} // namespace platform
