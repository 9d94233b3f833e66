#include "exec/CompactStringSet.h"

#include <cstdint>
#include <functional>
#include <new>

namespace exec {

namespace {
constexpr std::size_t kInitialSlots = 1024;
}

std::size_t CompactStringSet::SlotOf(std::string_view key, std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.entry == 0 || (slot.hash == hash && KeyOf(slot) == key))
            return i;
    }
}

std::string_view CompactStringSet::KeyOf(const Slot &slot) const
{
    std::size_t at = slot.entry - 1;
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(m_bytes[at++]);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            break;
    }
    return std::string_view(m_bytes).substr(at, length);
}

bool CompactStringSet::Insert(std::string_view key)
{
    if ((m_count + 1) * 4 > m_slots.size() * 3)
        Grow();
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    Slot &slot = m_slots[SlotOf(key, hash)];
    if (slot.entry != 0)
        return false;
    if (m_bytes.size() + key.size() + 10 >= UINT32_MAX)
        throw std::bad_alloc();
    slot = {hash, static_cast<std::uint32_t>(m_bytes.size() + 1)};
    // The length in seven-bit groups, the last one without the high bit.
    std::size_t length = key.size();
    for (; length >= 0x80; length >>= 7)
        m_bytes += static_cast<char>(0x80 | (length & 0x7F));
    m_bytes += static_cast<char>(length);
    m_bytes.append(key);
    ++m_count;
    return true;
}

bool CompactStringSet::Contains(std::string_view key) const
{
    if (m_slots.empty())
        return false;
    const auto hash = static_cast<std::uint32_t>(std::hash<std::string_view>{}(key));
    return m_slots[SlotOf(key, hash)].entry != 0;
}

void CompactStringSet::Grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? kInitialSlots : old.size() * 2, Slot{});
    std::size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.entry == 0)
            continue;
        std::size_t i = slot.hash & mask;
        while (m_slots[i].entry != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

} // namespace exec
