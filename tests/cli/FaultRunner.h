#pragma once

#include "CliRunner.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli_test {

// The kinds of call the fault library counts (tests/fault/FaultInjection.cpp).
extern const std::vector<std::string> kFaultCallKinds;

enum class FaultMode {
    Fail,  // the call fails without being made
    Kill,  // the program is killed just before it
    After, // the call is made and still reported as failed
};
const char *FaultModeName(FaultMode mode);

struct Fault {
    std::string call; // one of kFaultCallKinds
    long at = 0;      // counted from 1 over the calls of that kind
    FaultMode mode = FaultMode::Fail;
};

struct FaultRun {
    CliResult result;
    // Calls of each kind; empty when the program did not end by itself.
    std::map<std::string, long> counts;
    bool Killed() const;
    // The fault was met: the program was killed, or made at least that many calls.
    bool Reached(const Fault &fault) const;
};

// Runs kestrel-cli in workingDirectory with the fault library preloaded and
// HOME and the XDG folders inside home. With noNoReplace, renames that must
// not replace fail as on NFS and the program takes its link and unlink way.
FaultRun RunUnderFault(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                       const std::string &home, bool noNoReplace, const std::optional<Fault> &fault = {});

} // namespace cli_test
