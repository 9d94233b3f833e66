#include "platform/Trash.h"

#include "platform/FileIdentity.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"
#include "platform/TimeFormat.h"
#include "platform/TrashFolder.h"
#include "platform/TrashInfo.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>

namespace platform {

namespace {

constexpr std::string_view kInfoSuffix = ".trashinfo";
constexpr int kMostNumbers = 1000000;

// The name in the trash: the entry's own, then name.2, name.3, …, cut short
// where the name of its info file would be too long.
std::string TrashName(const std::string &name, int number)
{
    const std::string suffix = number > 1 ? "." + std::to_string(number) : std::string();
    return name.substr(0, NAME_MAX - kInfoSuffix.size() - suffix.size()) + suffix;
}

struct Entry {
    std::string folder; // absolute, without links, held form
    std::string name;
};

int Locate(std::string path, Entry &entry)
{
    if (path.find('\0') != std::string::npos)
        return EINVAL;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const std::size_t slash = path.rfind('/');
    entry.name = path.substr(slash + 1);
    if (entry.name.empty() || entry.name == "." || entry.name == "..")
        return path.empty() ? ENOENT : EINVAL;
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    char *resolved = realpath(folder.c_str(), nullptr);
    if (!resolved)
        return errno;
    entry.folder = NormalizeDirectory(resolved);
    std::free(resolved);
    return 0;
}

} // namespace

int MoveToTrash(const std::string &path, const TrashObserver &beforeMove)
{
    Entry entry;
    if (const int error = Locate(path, entry))
        return error;
    const std::string source = JoinPath(entry.folder, entry.name);
    const FileIdentity file = GetFileIdentity(source);
    if (!file.valid)
        return errno ? errno : ENOENT; // as the look at it left it
    TrashFolder trash;
    if (const int error = FindTrashFolder(entry.folder, trash))
        return error;
    const std::string text = TrashInfoText(trash.OriginalPath(entry.folder, entry.name), CurrentTime());
    // The trash is on the entry's file system: a move that would copy is refused.
    const CopyObserver refuseCopy = [](const FileVersion &) { return EXDEV; };
    for (int number = 1; number <= kMostNumbers; ++number) {
        const std::string name = TrashName(entry.name, number);
        const std::string target = JoinPath(trash.files, name);
        if (PathExists(target))
            continue;
        const std::string info = JoinPath(trash.info, name + std::string(kInfoSuffix));
        FileIdentity made;
        const int created = CreateTrashInfo(info, text, made);
        if (created == EEXIST)
            continue;
        if (created)
            return created;
        const int told = beforeMove ? beforeMove(target, file) : 0;
        const int moved =
            told ? told : MoveOrCopy(source, target, TransferOptions{false, false, file, refuseCopy});
        if (moved == 0)
            return 0;
        // An entry that reached the trash all the same keeps its info file.
        if (!HoldsIdentityAt(AT_FDCWD, target.c_str(), file))
            RemoveTrashInfo(info, made);
        if (moved != kErrorTargetExists)
            return moved;
    }
    return EEXIST;
}

std::string TrashInfoPathOf(const std::string &trashedPath)
{
    const SplitResult entry = SplitPath(trashedPath);
    const std::string trash = SplitPath(entry.directory).directory;
    return JoinPath(JoinPath(trash, "info"), entry.name + std::string(kInfoSuffix));
}

} // namespace platform
