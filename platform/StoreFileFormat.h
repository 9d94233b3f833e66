#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The text form of the settings store file: INI groups of typed values.
//
//   [Group]
//   Count=42               integer
//   Title="a \"b\"\x01"    text (UTF-8; \\ \" \n \r \t and \xHH escapes)
//   Position=@Bytes(0aff)  byte array in hexadecimal
//
// Blank lines and lines starting with ";" or "#" are ignored. A bare value
// that is not a 64-bit integer is read as text, so hand-edited values stay
// usable. A value whose name the file cannot carry (see IsStorableName) is
// skipped with its line. Any other line makes the whole file unreadable.
namespace platform {

// A larger file is not read: it is no settings store of ours, and parsing it
// would take seconds and gigabytes.
inline constexpr std::size_t kMaxStoreFileBytes = std::size_t(16) << 20;

// True for a group or value name that the file carries and reads back as it
// is: valid UTF-8, not empty, without control characters, "=", "[", "]" or
// "/", without a space at either end and not starting with a comment mark.
bool IsStorableName(std::string_view name);

struct StoredValue {
    enum class Kind { Integer, Text, Bytes };
    Kind kind = Kind::Integer;
    std::int64_t number = 0;
    std::string bytes; // Text (valid UTF-8) or Bytes

    bool operator==(const StoredValue &) const = default;
};

// "Group/Name" (or "Name" outside any group) -> value.
using StoredValues = std::map<std::string, StoredValue>;

// Nothing when the content is not a store file.
std::optional<StoredValues> ParseStoreFile(std::string_view content);
// Values whose group or name is not storable are left out, so that the text
// always parses back into what was written.
std::string FormatStoreFile(const StoredValues &values);

} // namespace platform
