#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace exec {

// Finds the item whose key is a given path among a fixed set of items, each
// key being a view into text the caller keeps unchanged. One flat slot array
// with open addressing: a lookup touches a slot or two, and a path costs 8 to
// 16 bytes of slots, where a node-based map would cost a separate allocation
// per path.
class CPathIndex {
public:
    static constexpr std::uint32_t kNone = static_cast<std::uint32_t>(-1);

    explicit CPathIndex(std::size_t capacity)
    {
        std::size_t size = 16;
        while (size < capacity * 2)
            size *= 2;
        m_slots.resize(size);
    }

    // Adds item under key unless the key is there already; returns the item
    // that holds the key now (item itself when it was added).
    template <typename KeyOf> std::uint32_t Insert(std::string_view key, std::uint32_t item, KeyOf keyOf)
    {
        const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
        for (std::size_t at = hash & Mask();; at = (at + 1) & Mask()) {
            Slot &slot = m_slots[at];
            if (slot.item == kNone) {
                slot = {hash, item};
                return item;
            }
            if (slot.hash == hash && keyOf(slot.item) == key)
                return slot.item;
        }
    }

    // The item whose key is key, or kNone.
    template <typename KeyOf> std::uint32_t Find(std::string_view key, KeyOf keyOf) const
    {
        const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
        for (std::size_t at = hash & Mask();; at = (at + 1) & Mask()) {
            const Slot &slot = m_slots[at];
            if (slot.item == kNone)
                return kNone;
            if (slot.hash == hash && keyOf(slot.item) == key)
                return slot.item;
        }
    }

private:
    struct Slot {
        std::uint32_t hash = 0; // the low half of the key's hash
        std::uint32_t item = kNone;
    };
    std::size_t Mask() const { return m_slots.size() - 1; }

    std::vector<Slot> m_slots;
};

} // namespace exec
