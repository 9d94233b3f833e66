#include "FaultChecks.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using testing_support::Exists;
using testing_support::ReadFile;

namespace cli_test {

bool FileState::operator==(const FileState &o) const
{
    return content == o.content && inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
           modified.tv_nsec == o.modified.tv_nsec;
}

namespace {

std::optional<FileState> StateOf(const std::string &path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileState{ReadFile(path), st.st_ino, st.st_mtim};
}

bool IsPartialFile(const std::string &name)
{
    return name.starts_with(".kestrel-copy-") || name.starts_with(".kestrel-concat-");
}
bool IsTemporaryName(const std::string &name)
{
    return IsPartialFile(name) || (name.size() >= 12 && name.starts_with("KEST$") &&
                                   name.find_first_not_of("0123456789", 5) == std::string::npos);
}

// Where each content of the run is, and what else lies in its folders.
struct Inventory {
    std::map<std::string, std::vector<std::string>> places; // content -> paths
    std::vector<std::string> temporary;                     // paths
    std::vector<std::string> strangers;                     // paths holding no content of the run
};

Inventory Take(const Scenario &s, const PointFolders &f)
{
    std::vector<std::string> contents;
    for (const std::string &name : s.names)
        contents.push_back(Content(name));
    Inventory inventory;
    for (const std::string &folder : {f.run, f.dest, f.Trash() + "/files"}) {
        std::error_code ec;
        for (const auto &e : fs::directory_iterator(folder, ec)) {
            const std::string name = e.path().filename(), path = e.path();
            if (path == f.run + "/sentinel" || path == f.Output() || !e.is_regular_file())
                continue;
            if (IsTemporaryName(name))
                inventory.temporary.push_back(path);
            if (IsPartialFile(name))
                continue;
            const std::string content = ReadFile(path);
            if (std::find(contents.begin(), contents.end(), content) == contents.end())
                inventory.strangers.push_back(path);
            else
                inventory.places[content].push_back(path);
        }
    }
    return inventory;
}

std::string JoinedPaths(const std::vector<std::string> &paths)
{
    std::string text;
    for (const std::string &p : paths)
        text += (text.empty() ? "" : ", ") + p;
    return text;
}

std::string ExpectedOutput(const Scenario &s)
{
    std::string output;
    for (const std::string &name : s.names)
        output += Content(name);
    return output;
}

} // namespace

std::string Incomplete(const Scenario &s, const PointFolders &f)
{
    for (std::size_t i = 0; i < s.names.size(); ++i) {
        const std::string path =
            s.outcome == Outcome::Concatenated ? f.run + "/" + s.names[i] : f.NewPath(s, i);
        const bool there = Exists(path) && ReadFile(path) == Content(s.names[i]);
        if (s.outcome == Outcome::Concatenated && there)
            return s.names[i] + " is not in the trash";
        if (s.outcome != Outcome::Concatenated && !there)
            return "the content of " + s.names[i] + " is not at " + path;
    }
    if (s.outcome == Outcome::Concatenated && ReadFile(f.Output()) != ExpectedOutput(s))
        return "the output is not complete";
    return {};
}

PointCheck::PointCheck(const Scenario &s, const PointFolders &f) : m_s(s), m_f(f)
{
    for (const std::string &path : {f.run + "/sentinel", f.sibling + "/sentinel"})
        m_sentinels[path] = StateOf(path);
}

std::vector<std::string> PointCheck::Problems(std::optional<int> exitCode) const
{
    std::vector<std::string> problems;
    for (const auto &[path, state] : m_sentinels)
        if (StateOf(path) != state)
            problems.push_back("a file outside the run was touched: " + path);
    if (std::distance(fs::directory_iterator(m_f.sibling), fs::directory_iterator()) != 1)
        problems.push_back("something appeared in the sibling folder");
    const Inventory inventory = Take(m_s, m_f);
    if (!inventory.temporary.empty() && m_f.Journals().empty())
        problems.push_back("temporary name left without a journal: " + JoinedPaths(inventory.temporary));
    if (!inventory.strangers.empty())
        problems.push_back("files that hold no content of the run (partial or mixed): " +
                           JoinedPaths(inventory.strangers));
    for (const std::string &name : m_s.names) {
        const auto found = inventory.places.find(Content(name));
        const std::size_t count = found == inventory.places.end() ? 0 : found->second.size();
        if (m_s.outcome == Outcome::Copied) {
            const bool intact = ReadFile(m_f.run + "/" + name) == Content(name);
            if (!intact)
                problems.push_back("the source " + name + " was changed or removed");
            if (count > (intact ? 2u : 1u))
                problems.push_back("the copy of " + name + " is doubled: " + JoinedPaths(found->second));
        } else if (count != 1) {
            problems.push_back("the content of " + name + (count == 0 ? " is lost" : " is doubled: ") +
                               (count == 0 ? "" : JoinedPaths(found->second)));
        }
    }
    if (m_s.outcome == Outcome::Concatenated)
        ConcatenationProblems(problems);
    if (exitCode == 0)
        if (const std::string missing = Incomplete(m_s, m_f); !missing.empty())
            problems.push_back("a failure exits 0: " + missing);
    return problems;
}

// An output is never cut short: a source that could not be read is left
// out whole (and the run fails).
void PointCheck::ConcatenationProblems(std::vector<std::string> &problems) const
{
    if (Exists(m_f.Output()) && !IsConcatenationOfSome(ReadFile(m_f.Output())))
        problems.push_back("the output holds a source cut short");
    std::error_code ec;
    for (const auto &e : fs::directory_iterator(m_f.Trash() + "/files", ec))
        if (!Exists(m_f.Trash() + "/info/" + e.path().filename().string() + ".trashinfo"))
            problems.push_back("in the trash without its .trashinfo: " + e.path().string());
}

bool PointCheck::IsConcatenationOfSome(std::string_view output) const
{
    for (const std::string &name : m_s.names)
        if (output.starts_with(Content(name)))
            output.remove_prefix(Content(name).size());
    return output.empty();
}

} // namespace cli_test
