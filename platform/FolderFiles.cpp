#include "platform/FolderFiles.h"

#include "platform/Collation.h"
#include "platform/Paths.h"
#include "platform/Wildcard.h"

#include <sys/stat.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <utility>

namespace platform {

namespace {

struct FolderContents {
    std::vector<DirEntryInfo> files;
    std::vector<std::string> subFolders;
};

// The entries of `items` in name order.
template <typename T, typename NameOf> void SortByName(std::vector<T> &items, NameOf nameOf)
{
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const T &item : items)
        names.push_back(nameOf(item));
    const CollationKeys keys(std::move(names));
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys.Compare(a, b) < 0; });
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(items[index]));
    items = std::move(sorted);
}

bool Stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// One read of the folder, both kinds of entry in name order; nothing when it
// cannot be read.
FolderContents ReadFolder(const std::string &folder, const std::atomic<bool> *stop)
{
    FolderContents contents;
    const int error = ListDirectoryWhile(folder, {}, [&](const DirEntryInfo &info) {
        if (info.isDirectory)
            contents.subFolders.push_back(JoinPath(folder, info.name));
        else
            contents.files.push_back(info);
        return !Stopped(stop);
    });
    if (error != 0)
        return {};
    SortByName(contents.files, [](const DirEntryInfo &info) { return info.name; });
    SortByName(contents.subFolders, [](const std::string &path) { return SplitPath(path).name; });
    return contents;
}

// The files of one folder in pattern order, each once.
void AppendMatching(std::vector<DirEntryInfo> &files, const std::vector<std::string> &patterns,
                    std::vector<DirEntryInfo> &found)
{
    if (patterns.empty()) {
        std::move(files.begin(), files.end(), std::back_inserter(found));
        return;
    }
    std::vector<bool> taken(files.size(), false);
    for (const std::string &text : patterns) {
        const WildcardPattern pattern(text);
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (!taken[i] && pattern.Matches(files[i].name)) {
                taken[i] = true;
                found.push_back(std::move(files[i]));
            }
        }
    }
}

} // namespace

std::vector<DirEntryInfo> CollectFolderFiles(const std::string &folder,
                                             const std::vector<std::string> &patterns, bool recurse,
                                             const std::atomic<bool> *stop,
                                             const FolderWalkProgress &progress)
{
    std::vector<DirEntryInfo> found;
    std::set<std::pair<dev_t, ino_t>> visited;
    // Depth first, sub-folders in name order: the next folder is at the back.
    std::vector<std::string> pending{NormalizeDirectory(folder)};
    while (!pending.empty() && !Stopped(stop)) {
        const std::string current = std::move(pending.back());
        pending.pop_back();
        struct stat status {};
        if (stat(DisplayDirectory(current).c_str(), &status) != 0 ||
            !visited.emplace(status.st_dev, status.st_ino).second)
            continue;
        if (progress)
            progress(found.size(), current);
        FolderContents contents = ReadFolder(current, stop);
        AppendMatching(contents.files, patterns, found);
        if (recurse)
            pending.insert(pending.end(), std::make_move_iterator(contents.subFolders.rbegin()),
                           std::make_move_iterator(contents.subFolders.rend()));
    }
    return found;
}

} // namespace platform
