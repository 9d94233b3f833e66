#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exec {

// A set of byte strings that keeps them back to back in one buffer (each
// after its length), with an open-addressing table of eight-byte slots beside
// it: no allocation per string, so sets of a million paths stay small and
// fast to fill and to free. The buffer holds at most 4 GiB; beyond that an
// insert fails as std::bad_alloc.
class CompactStringSet {
public:
    // False when key was in the set already.
    bool Insert(std::string_view key);
    bool Contains(std::string_view key) const;

private:
    struct Slot {
        std::uint32_t hash = 0;  // the low half of the key's hash
        std::uint32_t entry = 0; // where the key's length begins in m_bytes, plus one; 0: empty slot
    };

    void Grow();
    // The slot of key, or of the free place where it would go.
    std::size_t SlotOf(std::string_view key, std::uint32_t hash) const;
    std::string_view KeyOf(const Slot &slot) const;

    std::string m_bytes;
    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
};

} // namespace exec
