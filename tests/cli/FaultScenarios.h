#pragma once

#include "support/TempDir.h"

#include <optional>
#include <string>
#include <vector>

// What the fault sweep runs kestrel-cli on, and the folders of one point.
namespace cli_test {

enum class Outcome {
    Moved,        // each file ends at its new path
    Copied,       // each file is copied to its new path and stays
    Concatenated, // the files go into the output, then to the trash
};

enum class Preparation {
    None,
    Finished, // the scenario it starts from ran to its end (the command undoes it)
    Killed,   // the run it starts from was killed before its last move or copy (the command recovers it)
};

struct Scenario {
    std::string id;
    Outcome outcome;
    std::vector<std::string> names;     // files of the run's folder
    std::vector<std::string> newNames;  // where each is when the command completes
    bool toDestination;                 // the new names are in the destination folder
    std::vector<std::string> arguments; // {run}, {meta} and {dest} stand for those folders
    Preparation preparation = Preparation::None;
    bool otherFileSystem = false;         // the destination is on another file system
    std::vector<std::string> namesFile{}; // lines of {meta}/names
    std::size_t startsFrom = 0;           // with a preparation: the scenario run first
};

// Every scenario, each with KESTREL_FAULT_SWEEP_FILES files (default 3; one
// more for the shift).
const std::vector<Scenario> &FaultScenarios();
// The scenario that s starts from (see Scenario::startsFrom).
const Scenario &StartingScenario(const Scenario &s);

// A number from the environment, or fallback.
int EnvironmentNumber(const char *name, int fallback);

// What each file of a scenario holds.
std::string Content(const std::string &name);

// A writable folder on another file system than the temporary folder, or "".
std::string OtherFileSystem();

// The folders of one point: the run's files with a sentinel beside them, a
// sibling folder with another, the destination and the program's home.
class PointFolders {
public:
    PointFolders(const Scenario &s, const std::string &otherFileSystem);

    // The scenario's arguments with the folders in place of their tokens.
    std::vector<std::string> Arguments(const Scenario &s) const;
    std::string NewPath(const Scenario &s, std::size_t i) const;
    std::string Trash() const { return home + "/data/Trash"; }
    std::string Output() const { return run + "/all.txt"; }
    // The names of the journals left in the program's state folder.
    std::vector<std::string> Journals() const;

private:
    testing_support::TempDir m_root;
    std::optional<testing_support::TempDir> m_other;

public:
    std::string run, sibling, meta, home, dest;
};

} // namespace cli_test
