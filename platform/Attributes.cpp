#include "platform/Attributes.h"

#include <cstdio>
#include <string>

#include <sys/xattr.h>

namespace platform {

std::string FormatStoredAttributes(std::uint32_t bits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(bits));
    return text;
}

std::optional<std::uint32_t> ParseStoredAttributes(std::string_view text)
{
    while (!text.empty() && (text.back() == '\0' || text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    std::uint32_t bits = 0;
    for (const char c : text.substr(2)) {
        std::uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return std::nullopt;
        bits = (bits << 4) | digit;
    }
    return bits;
}

std::uint32_t ReadStoredAttributes(const std::string &path)
{
    char value[32];
    const ssize_t n = getxattr(path.c_str(), kStoredAttributesName, value, sizeof value);
    if (n <= 0)
        return 0;
    const auto bits = ParseStoredAttributes(std::string_view(value, static_cast<std::size_t>(n)));
    return bits ? (*bits & kStoredAttributeMask) : 0;
}

std::uint32_t AttributesFromStatus(const struct stat &st, std::string_view name, std::uint32_t stored)
{
    std::uint32_t bits = stored & kStoredAttributeMask;
    if (S_ISDIR(st.st_mode))
        bits |= kAttrDirectory;
    if (!(st.st_mode & S_IWUSR))
        bits |= kAttrReadOnly;
    if (!name.empty() && name.front() == '.')
        bits |= kAttrHidden;
    return bits;
}

int ReadAttributes(const std::string &path, std::uint32_t &attributes)
{
    DirEntryInfo info;
    const int error = ReadDirEntry(path, info);
    if (error == 0)
        attributes = info.attributes;
    return error;
}

std::string FormatAttributeLetters(std::uint32_t bits)
{
    std::string text = "----";
    const char letters[] = "RHSA";
    const std::uint32_t masks[] = {kAttrReadOnly, kAttrHidden, kAttrSystem, kAttrArchive};
    for (std::size_t i = 0; i < 4; ++i)
        if (bits & masks[i])
            text[i] = letters[i];
    return text;
}

} // namespace platform
