#pragma once

#include <string>
#include <string_view>

namespace cli {

// Buffered writer of tab- or NUL-separated rows to a file descriptor. Rows are
// written out as the buffer fills, so long listings stream instead of piling up.
class OutputWriter {
public:
    // nullSeparated: fields and rows both end with a NUL byte instead of tab and newline.
    OutputWriter(int fd, bool nullSeparated);
    ~OutputWriter();
    OutputWriter(const OutputWriter &) = delete;
    OutputWriter &operator=(const OutputWriter &) = delete;

    // Appends one row; the fields are written byte for byte.
    void Row(std::initializer_list<std::string_view> fields);
    // Writes out what is buffered. Returns false when the descriptor refused it.
    bool Flush();

private:
    int m_fd;
    char m_fieldEnd;
    char m_rowEnd;
    bool m_failed = false;
    std::string m_buffer;
};

} // namespace cli
