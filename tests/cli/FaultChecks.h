#pragma once

#include "FaultScenarios.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

// What a point of the fault sweep must leave behind.
namespace cli_test {

// The first way in which the scenario's command is not complete, or "".
std::string Incomplete(const Scenario &s, const PointFolders &f);

// What identifies a file that must not change.
struct FileState {
    std::string content;
    ino_t inode = 0;
    timespec modified{};
    bool operator==(const FileState &o) const;
};

class PointCheck {
public:
    // Takes note of the files outside the run.
    PointCheck(const Scenario &s, const PointFolders &f);

    // What is wrong now. exitCode: that of a run in which a call failed, to
    // be checked against what the run left; none after a recovery.
    std::vector<std::string> Problems(std::optional<int> exitCode) const;

private:
    void ConcatenationProblems(std::vector<std::string> &problems) const;
    bool IsConcatenationOfSome(std::string_view output) const;

    const Scenario &m_s;
    const PointFolders &m_f;
    std::map<std::string, std::optional<FileState>> m_sentinels;
};

} // namespace cli_test
