#pragma once

#include <stdexcept>
#include <string>

namespace cli {

// A problem with the command line or with what it names, found before anything
// on disk changes. The message is shown as it is and the program exits with 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace cli
