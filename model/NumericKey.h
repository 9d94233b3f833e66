#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Width of the field in which a digit run is right aligned.
inline constexpr std::size_t kNumberFieldWidth = 10;

// Rewrites every run of ASCII digits of a name key so that numbers order by
// value under a text comparison: the run, without its leading zeros, is right
// aligned with blanks in a field of ten characters ("img7" becomes "img",
// nine blanks, "7"; "a007" and "a7" give the same key). A run of more than
// ten significant digits becomes ten "9"s followed by the digits right
// aligned in a field of thirty, so it orders after every shorter number and
// long runs of different length still order by value. Bytes that are not
// digits (including every byte of a multi-byte character) are kept as they are.
std::string RewriteDigitRuns(std::string_view key);
