#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A text with placeholders, cut into fixed text and placeholders once: every
// name of a run expands the same few texts.
namespace engine {

// The names of the %{name} placeholders, in the order of FormatPiece::media.
inline constexpr std::string_view kMediaNames[] = {"camera", "width", "height", "artist",
                                                   "album",  "title", "track",  "year"};

struct FormatPiece {
    char letter = 0;        // the placeholder's letter; 0 for fixed text
    std::size_t begin = 0;  // fixed text: where it lies in the text
    std::size_t length = 0; // and its length
    int width = 3;          // %n: the counter's width, start and step
    int start = 1;
    int step = 1;
    std::size_t media = 0; // %{name}: the name's index in kMediaNames
};

// The pieces of text, in order. Unknown placeholders ("%%" included) vanish
// with the whole character after the "%", as does a "%" at the end; a %{name}
// with a name not known vanishes with its braces, a "{" without a "}" alone.
// The pieces of the texts last asked for are kept for each thread, so the
// answer stays valid until the thread asks again.
const std::vector<FormatPiece> &PiecesOf(const std::string &text);

} // namespace engine
