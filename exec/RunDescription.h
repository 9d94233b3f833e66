#pragma once

#include "exec/HistoryFile.h"

#include <cstdint>
#include <string>
#include <vector>

// How a run of the history is shown: in the list of runs (the command line's
// --history and the window's 履歴…) and in a line of a message.
namespace exec {

// The columns of the list of runs, for the command line and the window alike.
struct CRunRow {
    std::string number;   // "12"
    std::string time;     // "2026/12/10 09:41:05"
    std::string folder;   // the first folder, "ほか N" for more
    std::string count;    // entries
    std::string kind;     // "名前変更", "移動", "複写", "フォルダ名変更", …
    std::string undoable; // "はい", or why not
};
// inTheWay: what RunsInTheWay gave for the run.
CRunRow DescribeRunRow(const CRunSummary &run, const std::vector<std::uint64_t> &inTheWay);

// What a run was, in a line: "#12 2026/12/10 09:41:05 名前変更 /home/u/pics（3件）".
std::string DescribeRun(const CRunSummary &run);

} // namespace exec
