#include "exec/CopyMove.h"

#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace exec {
namespace {

std::string BaseName(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class Transfer {
public:
    Transfer(TransferKind kind, const TransferCallbacks &callbacks) : m_kind(kind), m_callbacks(callbacks) {}

    // Copies or moves source to target; false when it stopped for good.
    bool Entry(const std::string &source, const std::string &target)
    {
        struct stat info {};
        if (::lstat(source.c_str(), &info) != 0)
            return Fail(source, errno);
        if (target == source || target.starts_with(source + "/"))
            return Fail(source, EINVAL);
        if (S_ISDIR(info.st_mode))
            return Folder(source, target, info);
        return File(source, target);
    }

    TransferResult result;

private:
    bool Fail(const std::string &source, int error)
    {
        result.failures.push_back({source, error});
        return true;
    }

    // Skip or replace an existing target; cancelling stops everything left.
    std::optional<bool> AskReplace(const std::string &target)
    {
        const ConflictAnswer answer =
            m_callbacks.onConflict ? m_callbacks.onConflict(target) : ConflictAnswer::Skip;
        if (answer == ConflictAnswer::CancelRest) {
            result.cancelled = true;
            return std::nullopt;
        }
        return answer == ConflictAnswer::Replace;
    }

    bool File(const std::string &source, const std::string &target)
    {
        const bool copy = m_kind == TransferKind::Copy;
        int error = platform::MoveOrCopy(source, target, copy, false);
        if (error == platform::kErrorTargetExists) {
            const auto replace = AskReplace(target);
            if (!replace)
                return false;
            if (!*replace)
                return true;
            error = platform::MoveOrCopy(source, target, copy, true);
        }
        return error == 0 ? true : Fail(source, error);
    }

    bool Folder(const std::string &source, const std::string &target, const struct stat &info)
    {
        if (platform::PathExists(target)) {
            if (!platform::IsDirectory(target))
                return Fail(source, ENOTDIR);
            const auto replace = AskReplace(target);
            if (!replace)
                return false;
            if (!*replace)
                return true;
            return Contents(source, target); // merged: each inner conflict is asked again
        }
        if (m_kind == TransferKind::Move) {
            // A folder is renamed, never rebuilt: across file systems it is refused (EXDEV).
            const int error = platform::MoveOrCopy(source, target, false, false);
            return error == 0 ? true : Fail(source, error);
        }
        // Written while owner-writable; the source's mode and times are set at the end.
        if (::mkdir(target.c_str(), 0700) != 0)
            return Fail(source, errno);
        const bool goOn = Contents(source, target);
        ::chmod(target.c_str(), info.st_mode & 07777);
        const struct timespec times[2] = {info.st_atim, info.st_mtim};
        ::utimensat(AT_FDCWD, target.c_str(), times, AT_SYMLINK_NOFOLLOW);
        return goOn;
    }

    // Transfers what source holds into target; a moved folder left empty is removed.
    bool Contents(const std::string &source, const std::string &target)
    {
        std::error_code ec;
        std::vector<std::string> names;
        for (const auto &item : std::filesystem::directory_iterator(source, ec))
            names.push_back(item.path().filename().native());
        if (ec)
            return Fail(source, ec.value());
        const std::size_t failuresBefore = result.failures.size();
        for (const auto &name : names) {
            if (!Entry(platform::JoinPath(source, name), platform::JoinPath(target, name)))
                return false;
        }
        if (m_kind == TransferKind::Move && result.failures.size() == failuresBefore)
            ::rmdir(source.c_str()); // stays when a skipped entry is still in it
        return true;
    }

    TransferKind m_kind;
    const TransferCallbacks &m_callbacks;
};

} // namespace

TransferResult TransferEntries(const std::vector<std::string> &sources, const std::string &targetFolder,
                               TransferKind kind, const TransferCallbacks &callbacks)
{
    Transfer transfer(kind, callbacks);
    const int total = static_cast<int>(sources.size());
    for (int i = 0; i < total; ++i) {
        if (!transfer.Entry(sources[i], targetFolder + "/" + BaseName(sources[i])))
            break;
        if (callbacks.onProgress)
            callbacks.onProgress(i + 1, total);
    }
    return std::move(transfer.result);
}

} // namespace exec
