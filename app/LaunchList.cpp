#include "app/LaunchList.h"

#include "platform/RegistryStore.h"

namespace {

constexpr char kKey[] = "Execute";

// Entries are numbered from 1 in the store.
std::string ValueName(std::size_t index, const char *field)
{
    return "Execute." + std::to_string(index + 1) + "." + field;
}

} // namespace

void CLaunchList::Load()
{
    CRegistryStore store;
    store.Open(kKey);
    for (std::size_t k = 0; k < kEntryCount; ++k) {
        Entries[k].Title = store.ReadString(ValueName(k, "Title"), "");
        Entries[k].Command = store.ReadString(ValueName(k, "Command"), "");
    }
    store.Close();
}

bool CLaunchList::Save() const
{
    CRegistryStore store;
    store.Open(kKey);
    for (std::size_t k = 0; k < kEntryCount; ++k) {
        store.WriteString(ValueName(k, "Title"), Entries[k].Title);
        store.WriteString(ValueName(k, "Command"), Entries[k].Command);
    }
    return store.Close();
}
