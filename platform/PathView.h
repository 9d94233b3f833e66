#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// A path handed to a call: bytes followed by a NUL, so that it goes to the
// system as it is, whether it lives in a std::string or in text stored
// elsewhere (the paths of a run's records). It does not own the bytes.
class PathView {
public:
    PathView(const std::string &path) : m_text(path.c_str()), m_size(path.size()) {}
    // text[size] must be a NUL.
    PathView(const char *text, std::size_t size) : m_text(text), m_size(size) {}

    const char *c_str() const { return m_text; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::string_view view() const { return {m_text, m_size}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(m_text, m_size); }

    friend bool operator==(PathView a, PathView b) { return a.view() == b.view(); }

private:
    const char *m_text;
    std::size_t m_size;
};

} // namespace platform
