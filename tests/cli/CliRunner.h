#pragma once

#include <string>
#include <vector>

namespace cli_test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built kestrel-cli with arguments (never through a shell) in
// workingDirectory, with input on its standard input (not a terminal), and
// collects what it writes. The environment is the test's own.
CliResult RunCli(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                 const std::string &input = {});

// The same with the given environment ("NAME=value" each) instead of the test's own.
CliResult RunCliInEnvironment(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                              const std::vector<std::string> &environment);

// The same with standard input on a pseudo-terminal, as when a person types the input.
CliResult RunCliOnTerminal(const std::vector<std::string> &arguments, const std::string &workingDirectory,
                           const std::string &input);

// Names in a directory, sorted, "." and ".." left out.
std::vector<std::string> ListNames(const std::string &directory);

// Splits text at every occurrence of separator; a trailing separator ends the last part.
std::vector<std::string> SplitRecords(const std::string &text, char separator);

} // namespace cli_test
