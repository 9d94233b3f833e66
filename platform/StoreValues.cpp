#include "platform/StoreValues.h"

#include "platform/RegistryStore.h"

namespace platform {

namespace {
constexpr char kPlacementName[] = "Position";
} // namespace

void AppendInt32LE(std::vector<unsigned char> &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

std::uint32_t ReadUint32LE(const std::vector<unsigned char> &data, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | data[offset + i];
    return value;
}

std::vector<unsigned char> EncodeRect(const StoreRect &rect)
{
    std::vector<unsigned char> data;
    for (std::int32_t v : {rect.left, rect.top, rect.right, rect.bottom})
        AppendInt32LE(data, static_cast<std::uint32_t>(v));
    return data;
}

std::optional<StoreRect> DecodeRect(const std::vector<unsigned char> &data)
{
    if (data.size() != kStoreRectBytes)
        return std::nullopt;
    auto at = [&](std::size_t i) { return static_cast<std::int32_t>(ReadUint32LE(data, 4 * i)); };
    return StoreRect{at(0), at(1), at(2), at(3)};
}

std::vector<unsigned char> EncodeColumnWidths(const std::vector<int> &widths)
{
    std::vector<unsigned char> data;
    for (int w : widths)
        AppendInt32LE(data, static_cast<std::uint32_t>(w));
    return data;
}

std::optional<std::vector<int>> DecodeColumnWidths(const std::vector<unsigned char> &data)
{
    if (data.size() > 4 * kMaxStoredColumns)
        return std::nullopt;
    std::vector<int> widths;
    for (std::size_t offset = 0; offset + 4 <= data.size(); offset += 4)
        widths.push_back(static_cast<std::int32_t>(ReadUint32LE(data, offset)));
    return widths;
}

std::optional<StoreRect> QueryRect(const CRegistryStore &store, const std::string &name)
{
    const auto data = store.QueryBinary(name, kStoreRectBytes);
    return data ? DecodeRect(*data) : std::nullopt;
}

void WriteRect(CRegistryStore &store, const std::string &name, const StoreRect &rect)
{
    store.WriteBinary(name, EncodeRect(rect));
}

std::optional<std::vector<int>> QueryColumnWidths(const CRegistryStore &store, const std::string &name)
{
    const auto data = store.QueryBinary(name, 4 * kMaxStoredColumns);
    return data ? DecodeColumnWidths(*data) : std::nullopt;
}

void WriteColumnWidths(CRegistryStore &store, const std::string &name, const std::vector<int> &widths)
{
    store.WriteBinary(name, EncodeColumnWidths(widths));
}

std::optional<std::vector<unsigned char>> QueryWindowPlacement(const CRegistryStore &store)
{
    return store.QueryBinary(kPlacementName);
}

void WriteWindowPlacement(CRegistryStore &store, const std::vector<unsigned char> &geometry)
{
    store.WriteBinary(kPlacementName, geometry);
}

} // namespace platform
