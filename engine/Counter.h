#pragma once

#include <string>

// Running numbers of renumbering, %n and numbered directories.
namespace engine {

// Widths beyond this are treated as this many digits, so that a stray huge
// width cannot make a name of gigabytes.
constexpr int kMaxCounterWidth = 255;

// Appends index * step + start, computed without overflow and wrapped to a
// signed 32-bit value, written with at least width characters: zeros follow a
// minus sign and the sign counts toward the width; a width of 0 or less pads
// nothing.
void AppendCounter(std::string &out, int index, int step, int start, int width);

} // namespace engine
