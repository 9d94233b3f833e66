#pragma once

#include <string>

// The beginning of a file as the text viewer shows it.
namespace platform {

struct TextPreview {
    enum class Kind {
        Text,       // lines holds the first lines
        Binary,     // the first bytes hold control characters
        Unreadable, // error holds the errno value (ENOENT: the file vanished)
    };
    Kind kind = Kind::Text;
    std::string lines;      // UTF-8, each line ended by '\n'
    bool continues = false; // the file has more than the lines shown
    int error = 0;
};

// The first maxLines lines of a text file (UTF-8, or CP932 when the bytes are
// not UTF-8; LF or CR LF line ends), reading no more than maxBytes. A file
// whose first 1024 bytes hold a control character other than white space is
// binary. Never creates or changes the file.
TextPreview PreviewTextFile(const std::string &path, std::size_t maxLines = 100,
                            std::size_t maxBytes = 256 * 1024);

} // namespace platform
