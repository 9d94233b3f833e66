#include "platform/Paths.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

std::string JoinPath(std::string_view dir, std::string_view name)
{
    std::string out;
    out.reserve(dir.size() + 1 + name.size());
    out.append(dir);
    out.push_back('/');
    out.append(name);
    return out;
}

SplitResult SplitPath(std::string_view fullPath)
{
    const auto slash = fullPath.rfind('/');
    if (slash == std::string_view::npos)
        return {std::string(), std::string(fullPath)};
    return {NormalizeDirectory(fullPath.substr(0, slash)), std::string(fullPath.substr(slash + 1))};
}

int GetWorkingDirectory(std::string &directory)
{
    std::string buffer(4096, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return errno;
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::strlen(buffer.c_str()));
    directory = NormalizeDirectory(buffer);
    return 0;
}

std::string NormalizeDirectory(std::string_view dir)
{
    while (!dir.empty() && dir.back() == '/')
        dir.remove_suffix(1);
    return std::string(dir);
}

std::string DisplayDirectory(std::string_view dir)
{
    return dir.empty() ? std::string("/") : std::string(dir);
}

std::string AbsolutePath(std::string_view path, std::string_view workingDirectory)
{
    std::string result = path.starts_with('/') ? std::string() : std::string(workingDirectory);
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t slash = path.find('/', pos);
        if (slash == std::string_view::npos)
            slash = path.size();
        const std::string_view part = path.substr(pos, slash - pos);
        if (!part.empty() && part != ".") {
            result.push_back('/');
            result.append(part);
        }
        pos = slash + 1;
    }
    return result;
}

} // namespace platform
