#include "engine/Counter.h"
#include "engine/FormatPieces.h"
#include "engine/MediaLookup.h"
#include "engine/RenameSettings.h"
#include "model/FileEntry.h"
#include "platform/TimeFormat.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace {

// The file's own data of one entry, asked for when a placeholder first needs
// it: a text that asks for none reads nothing. A folder or a placeholder row
// has none.
class EntryMedia {
public:
    EntryMedia(const CFileEntry &entry, const engine::IMediaLookup &lookup) : m_entry(entry), m_lookup(lookup)
    {
    }

    const platform::MediaInfo &info()
    {
        if (!m_asked) {
            m_asked = true;
            if (!m_entry.isFolder && !m_entry.isDummy && !m_entry.fullPath.empty())
                m_values = m_lookup.Find(m_entry);
        }
        static const platform::MediaInfo kNone;
        return m_values ? *m_values : kNone;
    }

private:
    const CFileEntry &m_entry;
    const engine::IMediaLookup &m_lookup;
    bool m_asked = false;
    std::shared_ptr<const platform::MediaInfo> m_values;
};

// Appends value (0 to 99) in two digits.
void AppendTwoDigits(std::string &out, int value)
{
    const char digits[2] = {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    out.append(digits, 2);
}

// The time fields of one entry (year, two-digit year, month, day, hour,
// 12-hour hour, minute, second), its local time found when the first of them
// is needed. The time is the file's modification time, or its date taken
// where asked for and known.
class TimeFields {
public:
    TimeFields(platform::TimeValue modified, EntryMedia *taken) : m_time(modified), m_taken(taken) {}

    void append(std::string &out, char letter)
    {
        if (!m_found)
            find();
        if (!m_fourDigitYear) {
            // Other years, and times that cannot be shown, look as strftime
            // makes them.
            static constexpr std::string_view kLetters = "YymdHhMs";
            static constexpr const char *kPatterns[] = {"%Y", "%y", "%m", "%d", "%H", "%I", "%M", "%S"};
            out.append(platform::FormatLocalTime(m_time, kPatterns[kLetters.find(letter)]));
            return;
        }
        // The widths strftime writes these fields with.
        switch (letter) {
        case 'Y':
            AppendTwoDigits(out, static_cast<int>(m_local.year / 100));
            AppendTwoDigits(out, static_cast<int>(m_local.year % 100));
            break;
        case 'y':
            AppendTwoDigits(out, static_cast<int>(m_local.year % 100));
            break;
        case 'm':
            AppendTwoDigits(out, m_local.month);
            break;
        case 'd':
            AppendTwoDigits(out, m_local.day);
            break;
        case 'H':
            AppendTwoDigits(out, m_local.hour);
            break;
        case 'h':
            AppendTwoDigits(out, m_local.hour % 12 == 0 ? 12 : m_local.hour % 12);
            break;
        case 'M':
            AppendTwoDigits(out, m_local.minute);
            break;
        default:
            AppendTwoDigits(out, m_local.second);
            break;
        }
    }

private:
    void find()
    {
        m_found = true;
        if (m_taken)
            m_time = m_taken->info().taken.value_or(m_time);
        m_fourDigitYear =
            platform::SplitLocalTime(m_time, m_local) && m_local.year >= 1000 && m_local.year <= 9999;
    }

    platform::TimeValue m_time;
    EntryMedia *m_taken;
    bool m_found = false;
    bool m_fourDigitYear = false;
    platform::LocalDateTime m_local;
};

// The text after the last "/" of a held directory; nothing for the root.
std::string_view LastComponent(std::string_view directory)
{
    const std::size_t slash = directory.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : directory.substr(slash + 1);
}

std::string NumberText(int value)
{
    return value > 0 ? std::to_string(value) : std::string();
}

// The value of the placeholder engine::kMediaNames[index]; empty where the
// file has none. A "/" or NUL would split or cut the name: each becomes "_".
std::string MediaText(std::size_t index, const platform::MediaInfo &info)
{
    std::string text;
    switch (index) {
    case 0:
        text = info.camera;
        break;
    case 1:
        text = NumberText(info.width);
        break;
    case 2:
        text = NumberText(info.height);
        break;
    case 3:
        text = info.artist;
        break;
    case 4:
        text = info.album;
        break;
    case 5:
        text = info.title;
        break;
    case 6:
        text = info.track > 0 && info.track < 10 ? "0" + NumberText(info.track) : NumberText(info.track);
        break;
    default:
        text = NumberText(info.year);
        break;
    }
    for (char &c : text)
        if (c == '/' || c == '\0')
            c = '_';
    return text;
}

} // namespace

std::string CRenameSettings::ExpandFormat(const std::string &text, const CFileEntry &entry, int rowIndex,
                                          const engine::IMediaLookup &media) const
{
    std::string out;
    AppendExpanded(out, text, entry, rowIndex, media);
    return out;
}

void CRenameSettings::AppendExpanded(std::string &out, const std::string &text, const CFileEntry &entry,
                                     int rowIndex, const engine::IMediaLookup &media) const
{
    if (text.find('%') == std::string::npos) {
        out.append(text);
        return;
    }
    EntryMedia entryMedia(entry, media);
    TimeFields time(entry.lastWriteTime, DateSource == TimeSource::Taken ? &entryMedia : nullptr);
    for (const engine::FormatPiece &piece : engine::PiecesOf(text)) {
        switch (piece.letter) {
        case 0:
            out.append(text.data() + piece.begin, piece.length);
            break;
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
        case '{':
            out.append(MediaText(piece.media, entryMedia.info()));
            break;
        case 'n':
            engine::AppendCounter(out, rowIndex, piece.step, piece.start, piece.width);
            break;
        default:
            time.append(out, piece.letter);
            break;
        }
    }
}
