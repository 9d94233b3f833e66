#include "ui/main/DirectoryResolve.h"

#include "platform/Paths.h"

#include <unistd.h>

#include <vector>

std::string AbsoluteDirectory(std::string_view typed, std::string_view base)
{
    std::string full;
    if (typed.empty() || typed.front() != '/') {
        full.assign(base);
        full += '/';
    }
    full += typed;

    std::vector<std::string_view> parts;
    std::string_view rest = full;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string held;
    for (std::string_view part : parts) {
        held += '/';
        held += part;
    }
    return held;
}

std::optional<std::string> EnterDirectory(std::string_view typed, std::string_view base)
{
    std::string dir = AbsoluteDirectory(typed, base);
    for (;;) {
        if (chdir(platform::DisplayDirectory(dir).c_str()) == 0)
            return dir;
        if (dir.empty())
            return std::nullopt;
        dir = platform::SplitPath(dir).directory;
    }
}

std::string LastComponent(std::string_view dir)
{
    return platform::SplitPath(dir).name;
}
