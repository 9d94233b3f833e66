#include "FaultRunner.h"

#include "support/TempDir.h"

#include <csignal>
#include <sstream>

#include <unistd.h>

extern char **environ;

namespace cli_test {

const std::vector<std::string> kFaultCallKinds = {"rename", "link",     "unlink", "open", "write",
                                                  "fsync",  "getdelim", "mkdir",  "copy"};

const char *FaultModeName(FaultMode mode)
{
    switch (mode) {
    case FaultMode::Fail:
        return "fail";
    case FaultMode::Kill:
        return "kill";
    case FaultMode::After:
        return "after";
    }
    return "";
}

bool FaultRun::Killed() const
{
    return result.exitCode == 128 + SIGKILL;
}

bool FaultRun::Reached(const Fault &fault) const
{
    if (fault.mode == FaultMode::Kill)
        return Killed();
    const auto found = counts.find(fault.call);
    return found != counts.end() && found->second >= fault.at;
}

namespace {

bool SetByTheRun(const std::string &entry)
{
    for (const char *name : {"LD_PRELOAD=", "HOME=", "XDG_CONFIG_HOME=", "XDG_STATE_HOME=", "XDG_DATA_HOME=",
                             "ASAN_OPTIONS=", "KESTREL_FAULT_"})
        if (entry.starts_with(name))
            return true;
    return false;
}

// The test's environment with the library, the fault and a private home.
std::vector<std::string> Environment(const std::string &home, const std::string &countFile, bool noNoReplace,
                                     const std::optional<Fault> &fault)
{
    std::vector<std::string> environment;
    std::string asanOptions;
    for (char **entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.starts_with("ASAN_OPTIONS="))
            asanOptions = text.substr(13) + ":";
        if (!SetByTheRun(text))
            environment.push_back(text);
    }
    // A sanitized program would refuse a library loaded before its runtime.
    environment.push_back("ASAN_OPTIONS=" + asanOptions + "verify_asan_link_order=0");
    environment.push_back(std::string("LD_PRELOAD=") + KESTREL_FAULT_LIBRARY_PATH);
    environment.push_back("HOME=" + home);
    environment.push_back("XDG_CONFIG_HOME=" + home + "/config");
    environment.push_back("XDG_STATE_HOME=" + home + "/state");
    environment.push_back("XDG_DATA_HOME=" + home + "/data");
    environment.push_back("KESTREL_FAULT_COUNT_FILE=" + countFile);
    if (noNoReplace)
        environment.push_back("KESTREL_FAULT_NO_NOREPLACE=1");
    if (fault) {
        environment.push_back("KESTREL_FAULT_CALL=" + fault->call);
        environment.push_back("KESTREL_FAULT_AT=" + std::to_string(fault->at));
        environment.push_back(std::string("KESTREL_FAULT_MODE=") + FaultModeName(fault->mode));
    }
    return environment;
}

std::map<std::string, long> ReadCounts(const std::string &countFile)
{
    std::map<std::string, long> counts;
    std::istringstream in(testing_support::ReadFile(countFile));
    std::string kind;
    long count = 0;
    while (in >> kind >> count)
        counts[kind] = count;
    return counts;
}

} // namespace

FaultRun RunUnderFault(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                       const std::string &home, bool noNoReplace, const std::optional<Fault> &fault)
{
    const std::string countFile = home + "/fault-counts";
    ::unlink(countFile.c_str());
    FaultRun run;
    run.result =
        RunCliInEnvironment(arguments, workingDirectory, Environment(home, countFile, noNoReplace, fault));
    run.counts = ReadCounts(countFile);
    return run;
}

} // namespace cli_test
