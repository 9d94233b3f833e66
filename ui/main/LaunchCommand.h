#pragma once

#include <string>
#include <vector>

// Starts `command` once for every path, in order, with the path as its last
// argument. A start that fails is not reported and does not keep the
// command from starting for the remaining paths.
void RunLaunchCommand(const std::string &command, const std::vector<std::string> &paths);
