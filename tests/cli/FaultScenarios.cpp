#include "FaultScenarios.h"

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace cli_test {

namespace {

std::vector<std::string> Numbered(const std::string &prefix, int from, int count,
                                  const std::string &suffix = {})
{
    std::vector<std::string> names;
    for (int i = from; i < from + count; ++i)
        names.push_back(prefix + std::to_string(i) + suffix);
    return names;
}

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string> &second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// n1 -> n2, ..., nN -> n1 by names from a file: one file goes through a temporary name.
Scenario Cycle(int count)
{
    const std::vector<std::string> names = Numbered("n", 1, count);
    std::vector<std::string> newNames = Numbered("n", 2, count - 1);
    newNames.push_back("n1");
    return {"cycle",
            Outcome::Moved,
            names,
            newNames,
            false,
            Joined({"--execute", "--defaults", "--set", "RenameMode=7", "--set", "InputFile={meta}/names"},
                   names),
            Preparation::None,
            false,
            newNames};
}

// Every scenario with `count` files (one more for the shift). A longer
// campaign sets KESTREL_FAULT_SWEEP_FILES.
std::vector<Scenario> MakeScenarios(int count)
{
    const std::vector<std::string> files = Numbered("f", 1, count);
    const Scenario cycle = Cycle(count);
    constexpr std::size_t kCycle = 1, kCopy = 2, kMoveAcross = 3; // their places in the list below
    Scenario undo = cycle, recover = cycle, rollback = cycle;
    undo.id = "undo";
    undo.newNames = cycle.names;
    undo.arguments = {"--undo"};
    undo.preparation = Preparation::Finished;
    undo.startsFrom = kCycle;
    recover.id = "recover";
    recover.arguments = {"--recover"};
    recover.preparation = Preparation::Killed;
    recover.startsFrom = kCycle;
    rollback.id = "recover_rollback";
    rollback.newNames = cycle.names;
    rollback.arguments = {"--recover=rollback"};
    rollback.preparation = Preparation::Killed;
    rollback.startsFrom = kCycle;
    // The cycle over a listed directory: the run locks the folder, lists it
    // through its own handle and renames through that handle.
    Scenario listed = cycle;
    listed.id = "listed_directory";
    listed.arguments = {"--execute", "--defaults", "--set", "RenameMode=7", "--set", "InputFile={meta}/names",
                        "--dir",     "{run}"};
    const std::vector<std::string> transfer = {"--execute",    "--defaults", "--set",
                                               "RenameMode=1", "--set",      "FileCopyDirectory={dest}"};
    return {
        {"shift",
         Outcome::Moved,
         Numbered("f", 1, count + 1, ".txt"),
         Numbered("f", 2, count + 1, ".txt"),
         false,
         {"--execute", "--defaults", "--set", "RenumStr1=f", "--set", "NumberWidth=1", "--set",
          "NumberStart=2", "--paths-from", "{meta}/list"}},
        cycle,
        {"copy", Outcome::Copied, files, files, true,
         Joined(Joined(transfer, {"--set", "FileCopyMode=2"}), files)},
        {"move_across_file_systems", Outcome::Moved, files, files, true,
         Joined(Joined(transfer, {"--set", "FileCopyMode=1"}), files), Preparation::None, true},
        {"concatenation",
         Outcome::Concatenated,
         files,
         {},
         false,
         Joined({"--execute", "--defaults", "--set", "RenameMode=11", "--set", "OutputFile={run}/all.txt",
                 "--set", "IsDelete=1"},
                files)},
        undo,
        recover,
        rollback,
        listed,
        // Undo of a move to another file system: each file copied back, then
        // removed from the other file system.
        {"undo_move_across_file_systems",
         Outcome::Moved,
         files,
         files,
         false,
         {"--undo"},
         Preparation::Finished,
         true,
         {},
         kMoveAcross},
        // Undo of a copy: each copy removed while it is the one made.
        {"undo_copy",
         Outcome::Copied,
         files,
         files,
         false,
         {"--undo"},
         Preparation::Finished,
         false,
         {},
         kCopy},
        // Recovery of a copy run killed before its last copy: the copies
        // made stay, the rest are made.
        {"recover_copy",
         Outcome::Copied,
         files,
         files,
         true,
         {"--recover"},
         Preparation::Killed,
         false,
         {},
         kCopy},
        // Recovery of a move to another file system killed in the middle of
        // its last copy: the recovery copies the rest over, or takes the
        // files moved so far back, each across the file systems again.
        {"recover_move_across_file_systems",
         Outcome::Moved,
         files,
         files,
         true,
         {"--recover"},
         Preparation::Killed,
         true,
         {},
         kMoveAcross},
        {"recover_rollback_move_across_file_systems",
         Outcome::Moved,
         files,
         files,
         false,
         {"--recover=rollback"},
         Preparation::Killed,
         true,
         {},
         kMoveAcross},
    };
}

} // namespace

int EnvironmentNumber(const char *name, int fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

const std::vector<Scenario> &FaultScenarios()
{
    static const std::vector<Scenario> scenarios =
        MakeScenarios(EnvironmentNumber("KESTREL_FAULT_SWEEP_FILES", 3));
    return scenarios;
}

const Scenario &StartingScenario(const Scenario &s)
{
    return FaultScenarios()[s.startsFrom];
}

std::string Content(const std::string &name)
{
    return "content of " + name + "\n";
}

std::string OtherFileSystem()
{
    struct stat temp {};
    if (stat(fs::temp_directory_path().c_str(), &temp) != 0)
        return {};
    for (const char *candidate : {"/dev/shm", "/run/shm", "/var/tmp"}) {
        struct stat st {};
        if (stat(candidate, &st) == 0 && st.st_dev != temp.st_dev && access(candidate, W_OK) == 0)
            return candidate;
    }
    return {};
}

PointFolders::PointFolders(const Scenario &s, const std::string &otherFileSystem)
    : run(m_root.mkdir("run")), sibling(m_root.mkdir("sibling")), meta(m_root.mkdir("meta")),
      home(m_root.mkdir("home"))
{
    if (s.otherFileSystem)
        m_other.emplace(otherFileSystem);
    dest = m_other ? m_other->path() : m_root.mkdir("dest");
    std::string list;
    for (const std::string &name : s.names) {
        m_root.write("run/" + name, Content(name));
        list += run + "/" + name + "\n";
    }
    m_root.write("meta/list", list);
    std::string names;
    for (const std::string &name : s.namesFile)
        names += name + "\n";
    m_root.write("meta/names", names);
    m_root.write("run/sentinel", "next to the run");
    m_root.write("sibling/sentinel", "beside the run");
}

std::vector<std::string> PointFolders::Arguments(const Scenario &s) const
{
    std::vector<std::string> arguments = s.arguments;
    for (std::string &argument : arguments)
        for (const auto &[token, path] : {std::pair{"{run}", run}, {"{meta}", meta}, {"{dest}", dest}})
            if (const auto at = argument.find(token); at != std::string::npos)
                argument.replace(at, std::string(token).size(), path);
    return arguments;
}

std::string PointFolders::NewPath(const Scenario &s, std::size_t i) const
{
    return (s.toDestination ? dest : run) + "/" + s.newNames[i];
}

std::vector<std::string> PointFolders::Journals() const
{
    std::vector<std::string> journals;
    std::error_code ec;
    for (const auto &e : fs::directory_iterator(home + "/state/Kestrel", ec))
        if (e.path().extension() == ".journal")
            journals.push_back(e.path().filename());
    return journals;
}

} // namespace cli_test
