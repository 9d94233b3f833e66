#pragma once

#include <string>

namespace cli {

// The text of --help: every option, the settings fields and the exit codes.
std::string HelpText();

// The text of --version.
std::string VersionText();

} // namespace cli
