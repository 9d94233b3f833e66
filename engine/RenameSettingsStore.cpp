#include "engine/RenameSettings.h"

#include "engine/SettingsFields.h"
#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"

namespace {

constexpr std::size_t kTimeBytes = 4;

// The time as an unsigned 32-bit count of seconds, little-endian: times from
// 1970 to 2106 survive the trip, including those after 2038.
std::vector<unsigned char> EncodeTime(platform::TimeValue time)
{
    std::vector<unsigned char> data;
    platform::AppendInt32LE(data, static_cast<std::uint32_t>(time));
    return data;
}

// A stored integer is taken as it is, also outside the field's range.
void ReadField(CRegistryStore &store, const engine::SettingsField &field, CRenameSettings &settings)
{
    const std::string name(field.name);
    if (field.IsInteger()) {
        field.write(settings, store.ReadDword(name, field.defaultValue));
    } else if (field.text) {
        settings.*field.text = store.ReadString(name, {});
    } else {
        platform::TimeValue &time = settings.*field.time;
        time = platform::CurrentTime();
        const auto stored = store.ReadBinary(name, EncodeTime(time), kTimeBytes);
        if (stored.size() == kTimeBytes) // a shorter value is not a time: the current time stays
            time = platform::ReadUint32LE(stored, 0);
    }
}

void WriteField(CRegistryStore &store, const engine::SettingsField &field, const CRenameSettings &settings)
{
    const std::string name(field.name);
    if (field.IsInteger())
        store.WriteDword(name, field.read(settings));
    else if (field.text)
        store.WriteString(name, settings.*field.text);
    else
        store.WriteBinary(name, EncodeTime(settings.*field.time));
}

} // namespace

void CRenameSettings::LoadSettings(CRegistryStore &store, const std::string &key)
{
    store.Open(key);
    for (const engine::SettingsField &field : engine::SettingsFields())
        ReadField(store, field, *this);
    store.Close();
}

void CRenameSettings::SaveSettings(CRegistryStore &store, const std::string &key) const
{
    store.Open(key);
    for (const engine::SettingsField &field : engine::SettingsFields())
        WriteField(store, field, *this);
    store.Close();
}
