#include "engine/RenameSettings.h"
#include "exec/Concatenation.h"
#include "model/FileEntry.h"

namespace exec {

namespace {

// The line break written for lineEnds; the separator of unchanged line ends
// ends in CR LF.
const char *LineBreak(LineEnds lineEnds)
{
    switch (lineEnds) {
    case LineEnds::Cr:
        return "\r";
    case LineEnds::Lf:
        return "\n";
    default:
        return "\r\n";
    }
}

} // namespace

std::string ExpandSeparator(const CRenameSettings &settings, const CFileEntry &entry, platform::TimeValue now)
{
    const std::string &sepa = settings.Sepa;
    std::string text;
    for (std::size_t i = 0; i < sepa.size(); ++i) {
        if (sepa[i] != '%') {
            text += sepa[i];
            continue;
        }
        if (++i == sepa.size())
            break; // a "%" at the very end is dropped
        switch (sepa[i]) {
        case 'd':
            text += platform::FormatLocalTime(now, "%Y/%m/%d");
            break;
        case 't':
            text += platform::FormatLocalTime(now, "%H:%M:%S");
            break;
        case 'f':
            text += entry.fileName;
            break;
        case 'F':
            text += entry.fullPath;
            break;
        case 'D':
            text += platform::FormatLocalTime(entry.lastWriteTime, "%Y/%m/%d");
            break;
        case 'T':
            text += platform::FormatLocalTime(entry.lastWriteTime, "%H:%M:%S");
            break;
        case 'r':
            text += '\r';
            break;
        case 'l':
            text += '\n';
            break;
        case 'n':
            text += "\r\n";
            break;
        case '%':
            text += '%';
            break;
        default:
            break; // an unknown placeholder stands for nothing
        }
    }
    return text + LineBreak(settings.RetMode);
}

void CChunkConverter::ConvertChunk(const char *bytes, std::size_t length, std::string &out)
{
    const char *lineBreak = LineBreak(m_lineEnds);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            if (m_lineEnds == LineEnds::Unchanged)
                out += c;
            else
                out += lineBreak;
            m_lastWasCr = true;
            continue;
        }
        if (c == '\n') {
            if (m_lineEnds == LineEnds::Unchanged)
                out += c;
            else if (!m_lastWasCr)
                out += lineBreak;
        } else if (c != '\x1A' || m_eofMark == EofMark::Unchanged) {
            out += c;
        }
        m_lastWasCr = false;
    }
}

} // namespace exec
