#pragma once

#include "cli/SettingsAssignment.h"
#include "exec/Journal.h"
#include "model/SortKey.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class Action { Preview, Execute, Undo, History, Recover, Help, Version };

// Where the settings start before --set is applied.
enum class SettingsSource { Stored, StoredDefault, BuiltIn };

enum class OverwritePolicy { Ask, Never, All };

struct Options {
    Action action = Action::Preview;

    // Candidates: the given paths, a file naming more of them, or a directory.
    std::vector<std::string> paths;
    std::optional<std::string> pathsFrom; // "-" is standard input
    std::optional<std::string> directory; // the first --dir
    // Every --dir in order; more than one makes a batch run, each directory
    // renamed in place by itself as with a single --dir.
    std::vector<std::string> directories;
    bool folders = false;
    std::string filter;
    SortKey sortKey = SortKey::Name;
    bool numeric = false;
    bool reverse = false;
    std::vector<int> dummyRows; // row indexes of placeholders, ascending, no repeats

    SettingsSource source = SettingsSource::Stored;
    std::vector<SettingsAssignment> assignments;
    bool saveSettings = false;

    bool nullSeparated = false;
    std::optional<OverwritePolicy> overwrite; // unset: ask on a terminal, never otherwise
    bool createDirectories = false;
    // --recover finishes an interrupted run; --recover=rollback takes it back.
    exec::RecoveryTarget recoverTarget = exec::RecoveryTarget::NewName;
    // --undo=N takes back run N of the history; --undo alone the newest.
    std::optional<std::uint64_t> undoRun;
};

// Reads the command line (argv[0] excluded). Throws UsageError for an unknown
// option, a missing or bad argument, or options that exclude each other.
Options ParseOptions(const std::vector<std::string> &arguments);

} // namespace cli
