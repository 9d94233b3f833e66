#include "cli/OutputWriter.h"

#include <cerrno>
#include <unistd.h>

namespace cli {

namespace {
constexpr std::size_t kFlushSize = 64 * 1024;
}

OutputWriter::OutputWriter(int fd, bool nullSeparated)
    : m_fd(fd), m_fieldEnd(nullSeparated ? '\0' : '\t'), m_rowEnd(nullSeparated ? '\0' : '\n')
{
    m_buffer.reserve(kFlushSize + 4096);
}

OutputWriter::~OutputWriter()
{
    Flush();
}

void OutputWriter::Row(std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            m_buffer.push_back(m_fieldEnd);
        first = false;
        m_buffer.append(field);
    }
    m_buffer.push_back(m_rowEnd);
    if (m_buffer.size() >= kFlushSize)
        Flush();
}

bool OutputWriter::Flush()
{
    std::size_t done = 0;
    while (!m_failed && done < m_buffer.size()) {
        ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            m_failed = true;
        else
            done += static_cast<std::size_t>(n);
    }
    m_buffer.clear();
    return !m_failed;
}

} // namespace cli
