#include "platform/UriList.h"

#include "platform/Text.h"

#include <optional>

namespace platform {

namespace {

// The bytes of a percent-encoded text; a "%" not followed by two hex digits
// stands for itself.
std::string PercentDecoded(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigitValue(text[i + 1]) >= 0 &&
            HexDigitValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexDigitValue(text[i + 1]) * 16 + HexDigitValue(text[i + 2]));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

// The local path of one URI, or nothing when it names no local file.
std::optional<std::string> LocalPath(std::string_view uri)
{
    constexpr std::string_view kScheme = "file:";
    if (uri.size() < kScheme.size() || !EqualsIgnoringAsciiCase(uri.substr(0, kScheme.size()), kScheme))
        return std::nullopt;
    std::string_view rest = uri.substr(kScheme.size());
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t slash = rest.find('/');
        const std::string_view host = rest.substr(0, slash);
        if (!host.empty() && !EqualsIgnoringAsciiCase(host, "localhost"))
            return std::nullopt;
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    if (!rest.starts_with('/'))
        return std::nullopt;
    std::string path = PercentDecoded(rest);
    // No file name holds a NUL byte.
    if (path.find('\0') != std::string::npos)
        return std::nullopt;
    return path;
}

} // namespace

std::vector<std::string> LocalPathsFromUriList(std::string_view payload)
{
    std::vector<std::string> paths;
    while (!payload.empty()) {
        const std::size_t end = payload.find('\n');
        std::string_view line = payload.substr(0, end);
        payload.remove_prefix(end == std::string_view::npos ? payload.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        if (auto path = LocalPath(line))
            paths.push_back(std::move(*path));
    }
    return paths;
}

} // namespace platform
