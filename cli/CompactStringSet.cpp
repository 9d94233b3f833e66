#include "cli/CompactStringSet.h"

#include <functional>

namespace cli {

namespace {
constexpr std::size_t kInitialSlots = 1024;
}

bool CompactStringSet::Insert(std::string_view key)
{
    if ((m_count + 1) * 4 > m_slots.size() * 3)
        Grow();
    auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot &slot = m_slots[i];
        if (slot.lengthPlusOne == 0) {
            slot = {m_bytes.size(), static_cast<std::uint32_t>(key.size() + 1), hash};
            m_bytes.append(key);
            ++m_count;
            return true;
        }
        if (slot.hash == hash && KeyOf(slot) == key)
            return false;
    }
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

} // namespace cli
