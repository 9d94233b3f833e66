#pragma once

#include <string>
#include <string_view>
#include <vector>

// Starting the user's launch commands without a shell: the command text names
// a program and its arguments, and a file's path is handed over as one more
// argument with its exact bytes.
namespace platform {

// Splits a command text into program and arguments the way desktop launchers
// (and QProcess::splitCommand) do: blanks separate words, double quotes group
// blanks into a word, and three double quotes in a row stand for one literal
// double quote. Nothing else is special.
std::vector<std::string> SplitCommand(std::string_view command);

// Starts the program argv[0] (looked up in PATH when it holds no "/") with the
// remaining arguments, detached: it outlives this process and is never waited
// for. Returns 0, or the errno value of why it could not be started.
int StartDetached(const std::vector<std::string> &argv);

} // namespace platform
