#pragma once

#include "platform/PathView.h"

#include <compare>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace exec {

// A path kept in a CPathStore: one pointer, read through the store's layout
// (its length in the four bytes before it, a NUL after it). Copies are cheap
// and stay valid as long as the store that made them.
class CPathText {
public:
    CPathText() = default; // the empty path

    const char *c_str() const { return m_text; }
    std::size_t size() const
    {
        std::uint32_t size = 0;
        std::memcpy(&size, m_text - sizeof size, sizeof size);
        return size;
    }
    bool empty() const { return size() == 0; }
    std::string_view view() const { return {m_text, size()}; }
    operator std::string_view() const { return view(); }
    operator platform::PathView() const { return {m_text, size()}; }
    std::string str() const { return std::string(view()); }

    friend bool operator==(CPathText a, CPathText b) { return a.view() == b.view(); }
    friend bool operator==(CPathText a, std::string_view b) { return a.view() == b; }
    friend std::strong_ordering operator<=>(CPathText a, CPathText b) { return a.view() <=> b.view(); }

private:
    friend class CPathStore;
    explicit CPathText(const char *text) : m_text(text) {}

    static constexpr char kEmpty[sizeof(std::uint32_t) + 1] = {};
    const char *m_text = kEmpty + sizeof(std::uint32_t);
};

// The paths of a run's records, each stored once in large blocks instead of a
// string of its own: a record holds one pointer, and a million paths cost
// their bytes and five more each. Blocks never move, so a stored path stays
// where it is while more are added.
class CPathStore {
public:
    CPathText Store(std::string_view path);

private:
    static constexpr std::size_t kBlockSize = 256 * 1024;

    std::vector<std::unique_ptr<char[]>> m_blocks;
    char *m_free = nullptr;
    std::size_t m_left = 0;
};

} // namespace exec
