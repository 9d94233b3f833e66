#include "exec/HistoryFile.h"

#include "platform/FileOps.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <iterator>

namespace exec {

namespace {

constexpr std::string_view kHeader = "KestrelRun 1\n";
// The undo file of kestrel-cli's last run, as earlier versions kept it: the
// second version had no birth times and no size and time of copies, the first
// no identity of the sources.
constexpr std::string_view kCliHeaders[] = {"KestrelCliUndo 1\n", "KestrelCliUndo 2\n", "KestrelCliUndo 3\n"};
// The records of a run's entry: the third form, with each path written as
// the bytes it shares with the path written before and the rest, and a
// source that is the placed file itself written as one flag.
constexpr int kCurrentRecords = 4;
constexpr std::size_t kLongestPath = 1u << 20;

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
    if (!(in >> length) || !in.get(colon) || colon != ':' || length > kLongestPath)
        return false;
    path.resize(length);
    char newline = 0;
    // No name on Linux holds a NUL: a path with one is damage, and the system
    // would act on the part before it.
    return in.read(path.data(), static_cast<std::streamsize>(length)) && in.get(newline) && newline == '\n' &&
           path.find('\0') == std::string::npos;
}

// Writes path as the length it shares with `previous`, then the rest;
// previous becomes path.
void PutSharedPath(std::string &out, std::string_view path, std::string &previous)
{
    const std::size_t most = std::min(path.size(), previous.size());
    std::size_t shared = 0;
    while (shared < most && path[shared] == previous[shared])
        ++shared;
    PutNumber(out, shared, ' ');
    PutNumber(out, path.size() - shared, ':');
    out.append(path, shared);
    out += '\n';
    // An empty path (most temporary names) leaves the next path its neighbour.
    if (!path.empty())
        previous = path;
}

bool GetSharedPath(std::istream &in, std::string &path, std::string &previous)
{
    std::size_t shared = 0;
    std::string rest;
    if (!(in >> shared) || shared > previous.size() || !GetPath(in, rest))
        return false;
    path.assign(previous, 0, shared);
    path += rest;
    if (!path.empty())
        previous = path;
    return true;
}

void PutRecord(std::string &out, const CRenameRecord &r, std::string &previous)
{
    PutNumber(out, static_cast<int>(r.status), ' ');
    PutNumber(out, r.time, ' ');
    PutNumber(out, r.attributes, ' ');
    PutNumber(out, r.newAttributes, ' ');
    PutNumber(out, r.placed.identity.device, ' ');
    PutNumber(out, r.placed.identity.inode, ' ');
    PutNumber(out, r.placed.identity.birth, ' ');
    PutNumber(out, r.placed.size, ' ');
    PutNumber(out, r.placed.modified, ' ');
    if (r.source == r.placed.identity) {
        out += "=\n";
    } else {
        PutNumber(out, r.source.device, ' ');
        PutNumber(out, r.source.inode, ' ');
        PutNumber(out, r.source.birth, '\n');
    }
    PutSharedPath(out, r.oldPath, previous);
    PutSharedPath(out, r.newPath, previous);
    PutSharedPath(out, r.tempPath, previous);
}

// The source's identity of the current form: "=" for the placed file's.
bool GetSource(std::istream &in, CRenameRecord &r)
{
    if (!(in >> std::ws))
        return false;
    if (in.peek() == '=') {
        in.get();
        r.source = r.placed.identity;
        return true;
    }
    return static_cast<bool>(in >> r.source.device >> r.source.inode >> r.source.birth);
}

// The paths of one record as read, before they go to the records' store.
struct CReadPaths {
    std::string previous; // the path before, which the next one shares bytes with
    std::string oldPath, newPath, tempPath;
};

// One record in the form of the given version (see kCliHeaders and kCurrentRecords),
// its paths kept in the store of records.
bool GetRecord(std::istream &in, int version, CRenameRecord &r, CReadPaths &read, CRenameRecords &records)
{
    int status = 0;
    platform::FileIdentity &placed = r.placed.identity;
    if (!(in >> status >> r.time >> r.attributes >> r.newAttributes >> placed.device >> placed.inode) ||
        status < 0 || status > 2)
        return false;
    if (version >= 3 && !(in >> placed.birth >> r.placed.size >> r.placed.modified))
        return false;
    placed.valid = placed.inode != 0;
    if (version == 4 && !GetSource(in, r))
        return false;
    if ((version == 2 || version == 3) && !(in >> r.source.device >> r.source.inode))
        return false;
    if (version == 3 && !(in >> r.source.birth))
        return false;
    r.source.valid = r.source.inode != 0;
    r.status = static_cast<RenameStatus>(status);
    const bool paths =
        version == 4 ? GetSharedPath(in, read.oldPath, read.previous) &&
                           GetSharedPath(in, read.newPath, read.previous) &&
                           GetSharedPath(in, read.tempPath, read.previous)
                     : GetPath(in, read.oldPath) && GetPath(in, read.newPath) && GetPath(in, read.tempPath);
    if (!paths)
        return false;
    r.oldPath = records.Store(read.oldPath);
    r.newPath = records.Store(read.newPath);
    r.tempPath = records.Store(read.tempPath);
    r.usesTemp = !r.tempPath.empty();
    return true;
}

bool GetState(std::istream &in, bool &pending)
{
    std::string state;
    if (!(in >> state) || (state != "done" && state != "pending"))
        return false;
    pending = state == "pending";
    return true;
}

// The header line of an entry after its state.
bool GetRunLine(std::istream &in, CRunSummary &summary, CRenameSnapshot &snapshot, std::size_t &shown)
{
    int kind = 0, output = 0;
    if (!(in >> summary.number >> summary.time >> kind >> output >> snapshot.isFileTimeChange >>
          snapshot.isFileAttribChange >> snapshot.fileTime >> summary.folderCount >> shown >>
          summary.count) ||
        kind < 0 || kind > static_cast<int>(RunKind::Concatenation) || output < 0 || output > 2 ||
        shown > kShownFolders)
        return false;
    summary.kind = static_cast<RunKind>(kind);
    summary.output = snapshot.outputMode = static_cast<OutputKind>(output);
    return true;
}

// Reads what precedes the records: the state, the run line and the folders.
// version: the form of the records that follow.
bool GetHead(std::istream &in, CHistoryEntry &entry, CRunSummary &summary, int &version)
{
    std::string header(kHeader.size(), '\0');
    if (!in.read(header.data(), static_cast<std::streamsize>(header.size())))
        return false;
    CUndoList &undo = entry.undo;
    if (header == kHeader) {
        std::size_t shown = 0;
        if (!GetState(in, undo.pending) || !GetRunLine(in, summary, undo.snapshot, shown))
            return false;
        entry.folders.resize(shown);
        for (std::string &folder : entry.folders)
            if (!GetPath(in, folder))
                return false;
        version = kCurrentRecords;
    } else {
        // The older headers are longer by four characters.
        header.resize(kCliHeaders[0].size());
        if (!in.read(header.data() + kHeader.size(),
                     static_cast<std::streamsize>(kCliHeaders[0].size() - kHeader.size())))
            return false;
        version = 0;
        for (int v = 0; v < 3; ++v)
            if (header == kCliHeaders[v])
                version = v + 1;
        if (version == 0 || (version == 3 && !GetState(in, undo.pending)))
            return false;
        int output = 0;
        if (!(in >> output >> undo.snapshot.isFileTimeChange >> undo.snapshot.isFileAttribChange >>
              undo.snapshot.fileTime >> summary.count) ||
            output < 0 || output > 2)
            return false;
        summary.output = undo.snapshot.outputMode = static_cast<OutputKind>(output);
    }
    entry.number = summary.number;
    entry.time = summary.time;
    entry.folderCount = summary.folderCount;
    undo.kind = summary.kind;
    summary.pending = undo.pending;
    summary.firstFolder = entry.folders.empty() ? std::string() : entry.folders.front();
    return true;
}

} // namespace

int WriteHistoryEntry(int fd, const CHistoryEntry &entry, std::span<const CRenameRecord> more)
{
    constexpr std::size_t kBlock = 1 << 16;
    const CUndoList &undo = entry.undo;
    const CRenameSnapshot &s = undo.snapshot;
    std::string out(kHeader);
    out += undo.pending ? "pending\n" : "done\n";
    const std::size_t shown = std::min(entry.folders.size(), kShownFolders);
    PutNumber(out, entry.number, ' ');
    PutNumber(out, entry.time, ' ');
    PutNumber(out, static_cast<int>(undo.kind), ' ');
    PutNumber(out, static_cast<int>(s.outputMode), ' ');
    PutNumber(out, static_cast<int>(s.isFileTimeChange), ' ');
    PutNumber(out, static_cast<int>(s.isFileAttribChange), ' ');
    PutNumber(out, s.fileTime, ' ');
    PutNumber(out, entry.folderCount, ' ');
    PutNumber(out, shown, ' ');
    PutNumber(out, undo.records.size() + more.size(), '\n');
    for (std::size_t i = 0; i < shown; ++i)
        PutPath(out, entry.folders[i]);
    std::string previous;
    for (const std::span<const CRenameRecord> records : {std::span<const CRenameRecord>(undo.records), more})
        for (const CRenameRecord &r : records) {
            PutRecord(out, r, previous);
            if (out.size() >= kBlock) {
                if (const int code = platform::WriteAll(fd, out))
                    return code;
                out.clear();
            }
        }
    return platform::WriteAll(fd, out);
}

bool ReadHistoryEntry(std::istream &in, CHistoryEntry &entry)
{
    CHistoryEntry loaded;
    CRunSummary summary;
    int version = 0;
    if (!GetHead(in, loaded, summary, version))
        return false;
    // The count comes from the file: room is made for no more records than
    // the rest of the file can hold (a record takes more than 16 bytes).
    const std::istream::pos_type here = in.tellg();
    if (here != std::istream::pos_type(-1) && in.seekg(0, std::ios::end)) {
        const auto left = static_cast<std::size_t>(in.tellg() - here);
        in.seekg(here);
        loaded.undo.records.reserve(std::min(summary.count, left / 16));
    }
    in.clear();
    CReadPaths read;
    for (std::size_t i = 0; i < summary.count; ++i) {
        CRenameRecord r;
        if (!GetRecord(in, version, r, read, loaded.undo.records))
            return false;
        loaded.undo.records.push_back(r);
    }
    loaded.undo.available = true;
    entry = std::move(loaded);
    return true;
}

bool ReadRunSummary(std::istream &in, CRunSummary &summary)
{
    CHistoryEntry head;
    int version = 0;
    return GetHead(in, head, summary, version);
}

} // namespace exec
