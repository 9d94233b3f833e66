#pragma once

#include "platform/DirectoryList.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <sys/stat.h>

// Reading the attribute bits of a file. Read-only comes from the owner's write
// permission, directory from the file type, hidden from a leading "." in the
// name; hidden, system and archive can also be stored flags kept in an
// extended attribute as the text "0x" followed by the bits in hexadecimal.
namespace platform {

// Name of the extended attribute that holds the stored flags.
inline constexpr const char *kStoredAttributesName = "user.kestrel.attributes";

// The bits that the extended attribute may carry; any other bit in it is ignored.
inline constexpr std::uint32_t kStoredAttributeMask = kAttrHidden | kAttrSystem | kAttrArchive;

// "0x" + the bits in lower-case hexadecimal ("0x24").
std::string FormatStoredAttributes(std::uint32_t bits);

// The bits of a stored text; nothing for a text that is not "0x" followed by
// one to eight hexadecimal digits (a trailing NUL or line end is tolerated).
std::optional<std::uint32_t> ParseStoredAttributes(std::string_view text);

// The stored flags of the file at path (following a symbolic link), masked to
// kStoredAttributeMask; 0 when there are none or the file system keeps none.
std::uint32_t ReadStoredAttributes(const std::string &path);

// The attribute bits of a file whose status is st, whose name (last path
// component) is name and whose stored flags are stored.
std::uint32_t AttributesFromStatus(const struct stat &st, std::string_view name, std::uint32_t stored);

// Reads the attribute bits of the file at path (a symbolic link is followed;
// a dangling one is described by itself). Returns 0 or the errno value.
int ReadAttributes(const std::string &path, std::uint32_t &attributes);

// The four letters the lists show: "R", "H", "S", "A" for read-only, hidden,
// system and archive, "-" where the bit is clear (for example "R--A").
std::string FormatAttributeLetters(std::uint32_t bits);

} // namespace platform
