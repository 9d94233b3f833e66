#pragma once

#include "platform/TimeFormat.h"

#include <cstdint>
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

// Why a single path component cannot be a new name.
enum class FileNameProblem { None, Empty, OnlyDots, Separator, NulByte, TooLong };
FileNameProblem ClassifyFileName(std::string_view name);

// Device and inode of an existing entry (a symbolic link is not followed).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool valid = false;
    bool operator==(const FileIdentity &) const = default;
};
FileIdentity GetFileIdentity(const std::string &path);

// True when something (even a dangling symbolic link) bears the name.
bool PathExists(const std::string &path);
bool IsDirectory(const std::string &path);

// Two paths name the same file when they are equal byte for byte, or both
// exist and are one file reached through two spellings (a case-insensitive
// file system). Two hard links of one file are not the same name.
bool IsSameFile(const std::string &a, const std::string &b);

// Moves (or copies) source to target without touching times or attributes.
// Without replace an existing target gives kErrorTargetExists and stays as it
// is; with it the target is replaced atomically. A copy is written to a
// temporary file beside the target and renamed into place; it keeps the
// source's permissions, stored flags and times to the nanosecond. A file moved
// to another file system is copied, then its source removed; a folder is not.
// When copied is given it receives the identity of the new file where a copy
// was made, and stays invalid where the file was renamed (keeping its identity).
int MoveOrCopy(const std::string &source, const std::string &target, bool copy, bool replace,
               FileIdentity *copied = nullptr);

// The same move by calls relative to open directories: sourceDirectory holds
// source and targetDirectory target (descriptors of an open directory, as
// from OpenDirectoryHandle). The full paths serve the rarer ways (a copy
// across file systems, a file system without the no-replace rename).
int MoveAt(int sourceDirectory, const std::string &source, int targetDirectory, const std::string &target,
           bool replace, FileIdentity *copied = nullptr);

// A descriptor of the directory for the calls relative to it, or -1 with errno set.
int OpenDirectoryHandle(const std::string &directory);

// What a finished transfer writes on the file at its new place. Without a
// value nothing is written: a rename keeps times and attributes exactly.
struct FileStamp {
    std::optional<TimeValue> time;           // access and modification time, whole seconds
    std::optional<std::uint32_t> attributes; // exactly these bits
};

// Writes stamp on the file at path. 0 or the errno value.
int StampFile(const std::string &path, const FileStamp &stamp);

// Removes the partial copies (".kestrel-copy-" and six characters) that a
// process ended in the middle of a copy left in directory. Only for a folder
// no copy is under way in. The number removed.
int RemovePartialCopies(const std::string &directory);

// Removes a file, read-only or not. 0 or the errno value.
int DeleteFile(const std::string &path);

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
