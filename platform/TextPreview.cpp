#include "platform/TextPreview.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <string_view>

namespace platform {

namespace {

constexpr std::size_t kBinaryProbeBytes = 1024;

bool IsBinaryByte(unsigned char c)
{
    const bool control = c < 0x20 || c == 0x7F;
    const bool whiteSpace = c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    return control && !whiteSpace;
}

} // namespace

TextPreview PreviewTextFile(const std::string &path, std::size_t maxLines, std::size_t maxBytes)
{
    TextPreview preview;
    const auto prefix = ReadFilePrefix(path, maxBytes, &preview.error);
    if (!prefix) {
        preview.kind = TextPreview::Kind::Unreadable;
        return preview;
    }
    const std::string_view bytes = prefix->bytes;
    const std::string_view probe = bytes.substr(0, kBinaryProbeBytes);
    if (std::any_of(probe.begin(), probe.end(),
                    [](char c) { return IsBinaryByte(static_cast<unsigned char>(c)); })) {
        preview.kind = TextPreview::Kind::Binary;
        return preview;
    }

    // The shown lines, with their line ends made LF; where the byte limit cut
    // a line in two, only the whole lines before it are shown.
    std::string shown;
    std::size_t pos = 0;
    std::size_t count = 0;
    while (pos < bytes.size() && count < maxLines) {
        const std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos && prefix->more && count > 0)
            break;
        std::string_view line = bytes.substr(pos, end == std::string_view::npos ? bytes.npos : end - pos);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        shown.append(line);
        shown.push_back('\n');
        ++count;
        pos = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    preview.continues = pos < bytes.size() || prefix->more;
    preview.lines = DecodeText(shown);
    return preview;
}

} // namespace platform
