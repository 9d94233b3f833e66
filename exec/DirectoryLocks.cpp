#include "exec/DirectoryLocks.h"

#include "platform/Paths.h"
#include "platform/Translation.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exec {

namespace {

// The folders this process holds: the open folder, how many hold it, and
// which folder it is (one folder may be reached through two paths).
struct CHeldFolder {
    int fd = -1;
    int holders = 0;
    dev_t device = 0;
    ino_t inode = 0;
};
std::map<std::string, CHeldFolder> &HeldFolders()
{
    static std::map<std::string, CHeldFolder> held;
    return held;
}

} // namespace

CDirectoryLocks::~CDirectoryLocks()
{
    Release();
}

void CDirectoryLocks::Release()
{
    auto &held = HeldFolders();
    for (const std::string &folder : m_held) {
        const auto it = held.find(folder);
        if (it != held.end() && --it->second.holders == 0) {
            close(it->second.fd);
            held.erase(it);
        }
    }
    m_held.clear();
}

int CDirectoryLocks::Take(std::vector<std::string> folders, std::chrono::milliseconds wait,
                          std::string &busyFolder)
{
    std::sort(folders.begin(), folders.end());
    folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto &held = HeldFolders();
    for (const std::string &folder : folders) {
        if (const auto it = held.find(folder); it != held.end()) {
            ++it->second.holders;
            m_held.push_back(folder);
            continue;
        }
        int fd = open(folder.empty() ? "/" : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat st {};
        if (fd < 0 || fstat(fd, &st) != 0) {
            const int error = errno;
            if (fd >= 0)
                close(fd);
            busyFolder = folder;
            Release();
            return error;
        }
        // A folder this process holds under another path (through a link) is
        // the same lock: a duplicate of that descriptor shares it.
        const auto same = std::find_if(held.begin(), held.end(), [&](const auto &h) {
            return h.second.device == st.st_dev && h.second.inode == st.st_ino;
        });
        if (same != held.end()) {
            close(fd);
            fd = fcntl(same->second.fd, F_DUPFD_CLOEXEC, 0);
        }
        held[folder] = {fd, 1, st.st_dev, st.st_ino};
        m_held.push_back(folder);
        if (same != held.end())
            continue;
        while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR)
                break; // a file system without locks: go on unlocked
            if (std::chrono::steady_clock::now() >= deadline) {
                busyFolder = folder;
                Release();
                return EWOULDBLOCK;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return 0;
}

int HeldFolderHandle(const std::string &folder)
{
    const auto &held = HeldFolders();
    const auto it = held.find(folder);
    return it == held.end() ? -1 : it->second.fd;
}

std::string BusyFolderMessage(const std::string &folder)
{
    return platform::Fill(
        platform::Tr("exec", "ディレクトリ［%1］は別の実行が使用中です。\n終わってからやり直してください。"),
        {platform::DisplayDirectory(folder)});
}

} // namespace exec
