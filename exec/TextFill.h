#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace exec {

// Replaces the "%s" and "%d" fields of a message pattern, in order, by values
// (numbers are passed already as text). A value is inserted as it is, so a
// file name with "%" in it cannot disturb the pattern.
std::string FillText(std::string_view pattern, std::initializer_list<std::string> values);

} // namespace exec
