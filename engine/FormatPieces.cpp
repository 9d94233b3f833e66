#include "engine/FormatPieces.h"

#include "engine/RenameSettings.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>

namespace engine {

namespace {

std::vector<FormatPiece> CutIntoPieces(const std::string &text)
{
    std::vector<FormatPiece> pieces;
    std::size_t p = 0;
    while (p < text.size()) {
        const std::size_t percent = std::min(text.find('%', p), text.size());
        if (percent > p)
            pieces.push_back({0, p, percent - p});
        if (percent + 1 >= text.size())
            break;
        p = percent + 1;
        FormatPiece piece;
        piece.letter = text[p++];
        switch (piece.letter) {
        case 'F':
        case 'f':
        case 'e':
        case 'p':
        case 'Y':
        case 'y':
        case 'm':
        case 'd':
        case 'H':
        case 'h':
        case 'M':
        case 's':
            pieces.push_back(piece);
            break;
        case '{': {
            const std::size_t close = text.find('}', p);
            if (close == std::string::npos)
                break;
            const std::string_view name = std::string_view(text).substr(p, close - p);
            const auto known = std::find(std::begin(kMediaNames), std::end(kMediaNames), name);
            if (known != std::end(kMediaNames)) {
                piece.media = static_cast<std::size_t>(known - std::begin(kMediaNames));
                pieces.push_back(piece);
            }
            p = close + 1;
            break;
        }
        case 'n': {
            int value = 0;
            if (CRenameSettings::ParseNumberField(text, p, value)) {
                piece.width = value % 10;
                if (CRenameSettings::ParseNumberField(text, p, value)) {
                    piece.start = value % 1000000;
                    if (CRenameSettings::ParseNumberField(text, p, value))
                        piece.step = value % 100;
                }
            }
            pieces.push_back(piece);
            break;
        }
        default:
            p += platform::CharLength(text, p - 1) - 1;
            break;
        }
    }
    return pieces;
}

} // namespace

const std::vector<FormatPiece> &PiecesOf(const std::string &text)
{
    // A mode expands at most three texts per name (before, after, extension).
    struct Cut {
        std::string text;
        std::vector<FormatPiece> pieces;
    };
    thread_local std::array<Cut, 4> kept;
    thread_local std::size_t next = 0;
    for (const Cut &cut : kept)
        if (cut.text == text)
            return cut.pieces;
    Cut &cut = kept[next++ % kept.size()];
    cut.pieces = CutIntoPieces(text);
    cut.text = text;
    return cut.pieces;
}

} // namespace engine

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
