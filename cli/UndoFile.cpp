#include "cli/UndoFile.h"

#include "exec/Journal.h"
#include "exec/RunPlan.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace cli {

namespace {

constexpr const char *kHeader = "KestrelCliUndo 3\n";
// The second format had no birth times and no size and time of copies, the
// first no identity of the sources.
constexpr const char *kHeaderVersion2 = "KestrelCliUndo 2\n";
constexpr const char *kHeaderVersion1 = "KestrelCliUndo 1\n";

// Appends value and then separator, without a temporary string per number.
template <typename Number> void PutNumber(std::string &out, Number value, char separator)
{
    char text[24];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    out.append(text, result.ptr);
    out += separator;
}

void PutPath(std::string &out, const std::string &path)
{
    PutNumber(out, path.size(), ':');
    out += path;
    out += '\n';
}

bool GetPath(std::istream &in, std::string &path)
{
    std::size_t length = 0;
    char colon = 0;
    if (!(in >> length) || !in.get(colon) || colon != ':' || length > (1u << 20))
        return false;
    path.resize(length);
    char newline = 0;
    return in.read(path.data(), static_cast<std::streamsize>(length)) && in.get(newline) && newline == '\n';
}

// Writes the undo data to fd a block at a time, so a large run needs no
// second copy of all its paths in memory. 0 or an error code.
int WriteUndo(int fd, const exec::CRenameSnapshot &s, const std::vector<exec::CRenameRecord> &records,
              bool pending)
{
    constexpr std::size_t kBlock = 1 << 16;
    std::string out = kHeader;
    out += pending ? "pending\n" : "done\n";
    out += std::to_string(static_cast<int>(s.outputMode)) + ' ' + std::to_string(s.isFileTimeChange) + ' ' +
           std::to_string(s.isFileAttribChange) + ' ' + std::to_string(s.fileTime) + ' ' +
           std::to_string(records.size()) + '\n';
    for (const exec::CRenameRecord &r : records) {
        PutNumber(out, static_cast<int>(r.status), ' ');
        PutNumber(out, r.time, ' ');
        PutNumber(out, r.attributes, ' ');
        PutNumber(out, r.newAttributes, ' ');
        PutNumber(out, r.placed.identity.device, ' ');
        PutNumber(out, r.placed.identity.inode, ' ');
        PutNumber(out, r.placed.identity.birth, ' ');
        PutNumber(out, r.placed.size, ' ');
        PutNumber(out, r.placed.modified, ' ');
        PutNumber(out, r.source.device, ' ');
        PutNumber(out, r.source.inode, ' ');
        PutNumber(out, r.source.birth, '\n');
        PutPath(out, r.oldPath);
        PutPath(out, r.newPath);
        PutPath(out, r.tempPath);
        if (out.size() >= kBlock) {
            if (const int code = platform::WriteAll(fd, out))
                return code;
            out.clear();
        }
    }
    return platform::WriteAll(fd, out);
}

} // namespace

UndoFile::UndoFile() : m_path(platform::JoinPath(exec::JournalDirectory(), "cli-last-rename.undo")) {}

int UndoFile::Save(const exec::CUndoList &undo) const
{
    return Write(undo.snapshot, undo.records, false);
}

int UndoFile::Write(const exec::CRenameSnapshot &snapshot, const std::vector<exec::CRenameRecord> &records,
                    bool pending) const
{
    if (int code = platform::EnsureDirectory(platform::SplitPath(m_path).directory))
        return code;
    std::string temporary = m_path + ".new";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int code = WriteUndo(fd, snapshot, records, pending);
    if (code == 0 && ::fsync(fd) != 0)
        code = errno;
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code == 0 && std::rename(temporary.c_str(), m_path.c_str()) != 0)
        code = errno;
    if (code == 0)
        code = platform::SyncDirectory(platform::SplitPath(m_path).directory);
    if (code != 0)
        ::unlink(temporary.c_str());
    return code;
}

UndoFile::LoadResult UndoFile::Load(exec::CUndoList &undo) const
{
    std::FILE *file = std::fopen(m_path.c_str(), "rb");
    if (!file)
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Damaged;
    std::string data;
    char buffer[65536];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, file))
        data.append(buffer, n);
    const bool readError = std::ferror(file);
    std::fclose(file);
    if (readError)
        return LoadResult::Damaged;
    const int version = data.starts_with(kHeader)           ? 3
                        : data.starts_with(kHeaderVersion2) ? 2
                        : data.starts_with(kHeaderVersion1) ? 1
                                                            : 0;
    if (version == 0)
        return LoadResult::Damaged;

    std::istringstream in(data.substr(std::char_traits<char>::length(kHeader)));
    exec::CUndoList loaded;
    std::size_t count = 0;
    std::string state = "done";
    if (version == 3 && !(in >> state && (state == "done" || state == "pending")))
        return LoadResult::Damaged;
    loaded.pending = state == "pending";
    int output = 0;
    if (!(in >> output >> loaded.snapshot.isFileTimeChange >> loaded.snapshot.isFileAttribChange >>
          loaded.snapshot.fileTime >> count))
        return LoadResult::Damaged;
    loaded.snapshot.outputMode = static_cast<OutputKind>(output);
    for (std::size_t i = 0; i < count; ++i) {
        exec::CRenameRecord r;
        int status = 0;
        platform::FileIdentity &placed = r.placed.identity;
        if (!(in >> status >> r.time >> r.attributes >> r.newAttributes >> placed.device >> placed.inode) ||
            status < 0 || status > 2)
            return LoadResult::Damaged;
        if (version == 3 && !(in >> placed.birth >> r.placed.size >> r.placed.modified))
            return LoadResult::Damaged;
        if (version >= 2 && !(in >> r.source.device >> r.source.inode))
            return LoadResult::Damaged;
        if (version == 3 && !(in >> r.source.birth))
            return LoadResult::Damaged;
        placed.valid = placed.inode != 0;
        r.source.valid = r.source.inode != 0;
        r.status = static_cast<exec::RenameStatus>(status);
        if (!GetPath(in, r.oldPath) || !GetPath(in, r.newPath) || !GetPath(in, r.tempPath))
            return LoadResult::Damaged;
        r.usesTemp = !r.tempPath.empty();
        loaded.records.push_back(std::move(r));
    }
    loaded.available = true;
    undo = std::move(loaded);
    return LoadResult::Loaded;
}

int UndoFile::Remove() const
{
    return ::unlink(m_path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

int UndoFile::BeginRun(const exec::CRunPlan &plan) const
{
    const std::string aside = AsidePath();
    if (::unlink(aside.c_str()) != 0 && errno != ENOENT)
        return errno;
    if (::link(m_path.c_str(), aside.c_str()) != 0 && errno != ENOENT)
        return errno;
    return plan.folders ? Remove() : Write(plan.snapshot, plan.records, true);
}

int UndoFile::EndRun(const exec::CUndoList &undo, bool changed) const
{
    const std::string aside = AsidePath();
    if (!changed) {
        // The last run's record comes back (or none, where there was none).
        if (std::rename(aside.c_str(), m_path.c_str()) == 0)
            return 0;
        return errno == ENOENT ? Remove() : errno;
    }
    const int code = undo.available ? Save(undo) : Remove();
    ::unlink(aside.c_str());
    return code;
}

} // namespace cli
