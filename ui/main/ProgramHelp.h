#pragma once

#include <optional>
#include <string>
#include <vector>

// The text that `kestrel --help` or `--version` prints instead of opening the
// window; nothing when the arguments are paths to open.
std::optional<std::string> ProgramHelpAnswer(const std::vector<std::string> &args);
