#include "ui/dialogs/ExtensionPattern.h"

#include "platform/Text.h"

std::string AppendExtensionPatterns(std::string pattern, const std::vector<std::string> &extensions)
{
    for (const std::string &extension : extensions) {
        if (!pattern.empty())
            pattern += ';';
        pattern += "*.";
        pattern += extension;
    }
    return pattern;
}

std::string ExtensionSummary(const std::vector<std::string> &extensions, std::size_t maxBytes)
{
    std::string joined;
    for (const std::string &extension : extensions) {
        if (!joined.empty())
            joined += ';';
        joined += extension;
    }
    if (joined.size() <= maxBytes)
        return joined;
    // Cut before the character that would cross the limit.
    std::size_t cut = 0;
    while (cut < joined.size()) {
        const std::size_t next = cut + platform::CharLength(joined, cut);
        if (next > maxBytes)
            break;
        cut = next;
    }
    return joined.substr(0, cut) + "...";
}
