#include "engine/Counter.h"
#include "engine/RenameSettings.h"
#include "model/FileEntry.h"
#include "platform/Text.h"
#include "platform/TimeFormat.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

// The time fields of one entry, formatted once when the first of them is
// needed: year, two-digit year, month, day, hour, 12-hour hour, minute, second.
class TimeFields {
public:
    explicit TimeFields(platform::TimeValue time) : m_time(time) {}

    std::string_view field(char letter)
    {
        if (!m_fields)
            split(platform::FormatLocalTime(m_time, "%Y|%y|%m|%d|%H|%I|%M|%S"));
        static constexpr std::string_view kLetters = "YymdHhMs";
        return (*m_fields)[kLetters.find(letter)];
    }

private:
    void split(std::string text)
    {
        m_text = std::move(text);
        m_fields.emplace();
        std::string_view rest = m_text;
        for (std::size_t i = 0; i < m_fields->size() && !rest.empty(); ++i) {
            const std::size_t bar = rest.find('|');
            (*m_fields)[i] = rest.substr(0, bar);
            rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
        }
    }

    platform::TimeValue m_time;
    std::string m_text;
    std::optional<std::array<std::string_view, 8>> m_fields;
};

// The text after the last "/" of a held directory; nothing for the root.
std::string_view LastComponent(std::string_view directory)
{
    const std::size_t slash = directory.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : directory.substr(slash + 1);
}

} // namespace

bool CRenameSettings::ParseNumberField(const std::string &text, std::size_t &position, int &value)
{
    // Only the last nine digits of a long run are kept: every use reduces the
    // value modulo a power of ten no larger than that, and the sum never
    // overflows.
    constexpr int kKeptModulus = 1000000000;
    value = 0;
    bool found = false;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        found = true;
        value =
            static_cast<int>((static_cast<long long>(value) * 10 + (text[position] - '0')) % kKeptModulus);
        ++position;
    }
    if (position < text.size() && text[position] == ':') {
        found = true;
        ++position;
    }
    return found;
}

std::string CRenameSettings::ExpandFormat(const std::string &text, const CFileEntry &entry,
                                          int rowIndex) const
{
    std::string out;
    out.reserve(text.size() + entry.fileName.size());
    TimeFields time(entry.lastWriteTime);
    std::size_t p = 0;
    while (p < text.size()) {
        const char c = text[p];
        if (c != '%') {
            out.push_back(c);
            ++p;
            continue;
        }
        if (++p >= text.size())
            break;
        const char letter = text[p++];
        switch (letter) {
        case 'F':
            out.append(entry.title).append(".").append(entry.extension);
            break;
        case 'f':
            out.append(entry.title);
            break;
        case 'e':
            out.append(entry.extension);
            break;
        case 'p':
            out.append(LastComponent(entry.directory));
            break;
        case 'Y':
        case 'y':
        case 'm':
        case 'd':
        case 'H':
        case 'h':
        case 'M':
        case 's':
            out.append(time.field(letter));
            break;
        case 'n': {
            int width = 3;
            int start = 1;
            int step = 1;
            int value = 0;
            if (ParseNumberField(text, p, value)) {
                width = value % 10;
                if (ParseNumberField(text, p, value)) {
                    start = value % 1000000;
                    if (ParseNumberField(text, p, value))
                        step = value % 100;
                }
            }
            out.append(engine::FormatCounter(rowIndex, step, start, width));
            break;
        }
        default:
            // Unknown placeholders, "%%" included, vanish with the whole
            // character after the "%", never leaving half of one behind.
            p += platform::CharLength(text, p - 1) - 1;
            break;
        }
    }
    return out;
}
