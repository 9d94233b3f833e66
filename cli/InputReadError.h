#pragma once

#include <stdexcept>
#include <string>

namespace cli {

// An input that names nothing wrong but could not be read to its end (a read
// error of the path list). Found before anything on disk changes; the message
// is shown and the program exits with 1.
class InputReadError : public std::runtime_error {
public:
    explicit InputReadError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace cli
