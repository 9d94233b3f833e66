#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CRegistryStore;

// Binary forms of the window values kept in the settings store, with direct
// reads (nothing when missing or malformed, nothing written back) and writes
// on a store opened on their key.
namespace platform {

// A rectangle in screen coordinates: left, top, right, bottom, stored as four
// signed 32-bit little-endian integers (16 bytes).
struct StoreRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const StoreRect &) const = default;
};

inline constexpr std::size_t kStoreRectBytes = 16;
// Column widths: one signed 32-bit width per column, at most this many read.
inline constexpr std::size_t kMaxStoredColumns = 50;

void AppendInt32LE(std::vector<unsigned char> &out, std::uint32_t value);
// The 32-bit value at offset (the caller guarantees four bytes are there).
std::uint32_t ReadUint32LE(const std::vector<unsigned char> &data, std::size_t offset);

std::vector<unsigned char> EncodeRect(const StoreRect &rect);
// Exactly 16 bytes give a rectangle; anything else gives nothing.
std::optional<StoreRect> DecodeRect(const std::vector<unsigned char> &data);

std::vector<unsigned char> EncodeColumnWidths(const std::vector<int> &widths);
// One width per whole 4 bytes; nothing when the value holds more than
// kMaxStoredColumns widths.
std::optional<std::vector<int>> DecodeColumnWidths(const std::vector<unsigned char> &data);

std::optional<StoreRect> QueryRect(const CRegistryStore &store, const std::string &name);
void WriteRect(CRegistryStore &store, const std::string &name, const StoreRect &rect);

std::optional<std::vector<int>> QueryColumnWidths(const CRegistryStore &store, const std::string &name);
void WriteColumnWidths(CRegistryStore &store, const std::string &name, const std::vector<int> &widths);

// The window placement ("Position" under "Window"): the toolkit's own saved
// geometry bytes, kept as they are.
std::optional<std::vector<unsigned char>> QueryWindowPlacement(const CRegistryStore &store);
void WriteWindowPlacement(CRegistryStore &store, const std::vector<unsigned char> &geometry);

} // namespace platform
