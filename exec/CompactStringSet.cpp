#include "exec/CompactStringSet.h"

#include <functional>

namespace exec {

namespace {
constexpr std::size_t kInitialSlots = 1024;
}

std::size_t CompactStringSet::SlotOf(std::string_view key, std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.lengthPlusOne == 0 || (slot.hash == hash && KeyOf(slot) == key))
            return i;
    }
}

bool CompactStringSet::Insert(std::string_view key)
{
    if ((m_count + 1) * 4 > m_slots.size() * 3)
        Grow();
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    Slot &slot = m_slots[SlotOf(key, hash)];
    if (slot.lengthPlusOne != 0)
        return false;
    slot = {m_bytes.size(), static_cast<std::uint32_t>(key.size() + 1), hash};
    m_bytes.append(key);
    ++m_count;
    return true;
}

bool CompactStringSet::Contains(std::string_view key) const
{
    if (m_slots.empty())
        return false;
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    return m_slots[SlotOf(key, hash)].lengthPlusOne != 0;
}

void CompactStringSet::Grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? kInitialSlots : old.size() * 2, Slot{});
    std::size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.lengthPlusOne == 0)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].lengthPlusOne != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

} // namespace exec
