#include "platform/StoreFileFormat.h"

#include "platform/Text.h"

#include <charconv>

namespace platform {

namespace {

constexpr std::string_view kBytesOpen = "@Bytes(";
constexpr char kHexDigits[] = "0123456789abcdef";

bool IsValidUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CharLength(s, i);
        if (n == 1 && static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
        i += n;
    }
    return true;
}

void AppendQuoted(std::string &out, std::string_view text)
{
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += kHexDigits[c >> 4];
                out += kHexDigits[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void AppendValueLine(std::string &out, const std::string &name, const StoredValue &value)
{
    out += name;
    out += '=';
    switch (value.kind) {
    case StoredValue::Kind::Integer:
        out += std::to_string(value.number);
        break;
    case StoredValue::Kind::Text:
        AppendQuoted(out, value.bytes);
        break;
    case StoredValue::Kind::Bytes:
        out += kBytesOpen;
        for (unsigned char c : value.bytes) {
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        }
        out += ')';
        break;
    }
    out += '\n';
}

std::optional<std::string> ParseQuoted(std::string_view v)
{
    if (v.size() < 2 || v.back() != '"')
        return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i + 1 < v.size(); ++i) {
        const char c = v[i];
        if (c == '"')
            return std::nullopt;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i + 1 >= v.size())
            return std::nullopt;
        switch (v[i]) {
        case '\\':
            text += '\\';
            break;
        case '"':
            text += '"';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'x': {
            if (i + 3 >= v.size())
                return std::nullopt;
            const int hi = HexDigitValue(v[i + 1]), lo = HexDigitValue(v[i + 2]);
            if (hi < 0 || lo < 0)
                return std::nullopt;
            text += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    if (!IsValidUtf8(text))
        return std::nullopt;
    return text;
}

std::optional<std::string> ParseHexBytes(std::string_view hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = HexDigitValue(hex[i]), lo = HexDigitValue(hex[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes += static_cast<char>(hi * 16 + lo);
    }
    return bytes;
}

std::optional<StoredValue> ParseValue(std::string_view v)
{
    StoredValue value;
    if (!v.empty() && v.front() == '"') {
        auto text = ParseQuoted(v);
        if (!text)
            return std::nullopt;
        value.kind = StoredValue::Kind::Text;
        value.bytes = std::move(*text);
        return value;
    }
    if (v.starts_with(kBytesOpen) && v.ends_with(')')) {
        auto bytes = ParseHexBytes(v.substr(kBytesOpen.size(), v.size() - kBytesOpen.size() - 1));
        if (!bytes)
            return std::nullopt;
        value.kind = StoredValue::Kind::Bytes;
        value.bytes = std::move(*bytes);
        return value;
    }
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), number);
    if (!v.empty() && error == std::errc() && end == v.data() + v.size()) {
        value.number = number;
        return value;
    }
    // A bare text keeps nothing of a number it may begin with ("1r" is no 1).
    if (!IsValidUtf8(v))
        return std::nullopt;
    value.kind = StoredValue::Kind::Text;
    value.bytes = std::string(v);
    return value;
}

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool IsStorableName(std::string_view name)
{
    if (name.empty() || !IsValidUtf8(name))
        return false;
    // "/" would split the name into a group and a name when written back.
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '=' || c == '[' || c == ']' || c == '/')
            return false;
    return name.front() != ' ' && name.back() != ' ' && name.front() != ';' && name.front() != '#';
}

std::optional<StoredValues> ParseStoreFile(std::string_view content)
{
    StoredValues values;
    std::string group;
    while (!content.empty()) {
        const std::size_t eol = content.find('\n');
        std::string_view line = content.substr(0, eol);
        content = eol == std::string_view::npos ? std::string_view() : content.substr(eol + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        line = Trim(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return std::nullopt;
            const std::string_view name = line.substr(1, line.size() - 2);
            if (!IsStorableName(name))
                return std::nullopt;
            group = std::string(name) + '/';
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const std::string_view name = Trim(line.substr(0, equals));
        if (name.empty())
            return std::nullopt;
        // Written back, such a name would make a line or a group header that
        // does not read back (the whole file would be lost); only this value
        // is dropped.
        if (!IsStorableName(name))
            continue;
        auto value = ParseValue(Trim(line.substr(equals + 1)));
        if (!value)
            return std::nullopt;
        values[group + std::string(name)] = std::move(*value);
    }
    return values;
}

std::string FormatStoreFile(const StoredValues &values)
{
    std::string out;
    // Values outside any group come first: after a group header they would
    // belong to that group.
    for (const auto &[key, value] : values)
        if (key.find('/') == std::string::npos && IsStorableName(key))
            AppendValueLine(out, key, value);
    std::string currentGroup;
    for (const auto &[key, value] : values) {
        // A group name never holds "/": whatever follows the first one is the
        // value name, and one with "/" of its own is not storable.
        const std::size_t slash = key.find('/');
        if (slash == std::string::npos)
            continue;
        const std::string group = key.substr(0, slash);
        if (!IsStorableName(group) || !IsStorableName(std::string_view(key).substr(slash + 1)))
            continue;
        if (group != currentGroup) {
            if (!out.empty())
                out += '\n';
            out += '[' + group + "]\n";
            currentGroup = group;
        }
        AppendValueLine(out, key.substr(slash + 1), value);
    }
    return out;
}

} // namespace platform
