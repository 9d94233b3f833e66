#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exec {

// A set of byte strings that keeps them back to back in one buffer, with an
// open-addressing table of hashes beside it: no allocation per string, so
// sets of a million paths stay small and fast to fill and to free.
class CompactStringSet {
public:
    // False when key was in the set already.
    bool Insert(std::string_view key);
    bool Contains(std::string_view key) const;

private:
    struct Slot {
        std::uint64_t offset = 0;
        std::uint32_t lengthPlusOne = 0; // 0: empty slot
        std::uint32_t hash = 0;          // the low half of the key's hash
    };

    void Grow();
    // The slot of key, or of the free place where it would go.
    std::size_t SlotOf(std::string_view key, std::uint32_t hash) const;
    std::string_view KeyOf(const Slot &slot) const
    {
        return std::string_view(m_bytes).substr(slot.offset, slot.lengthPlusOne - 1);
    }

    std::string m_bytes;
    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
};

} // namespace exec
