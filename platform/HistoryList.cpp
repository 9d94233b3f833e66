#include "platform/HistoryList.h"

#include "platform/RegistryStore.h"
#include "platform/Text.h"

#include <algorithm>
#include <sys/stat.h>

namespace platform {

namespace {

constexpr unsigned char kEndMark = 0xFF;

bool IsBlank(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    });
}

bool SameFileOnDisk(const std::string &a, const std::string &b)
{
    struct stat sa, sb;
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool Matches(const std::string &entry, const std::string &text, HistoryMatch match)
{
    if (match == HistoryMatch::SamePath)
        return entry == text || (!entry.empty() && !text.empty() && SameFileOnDisk(entry, text));
    return ToLower(entry) == ToLower(text);
}

bool Storable(const std::string &entry)
{
    return entry.find('\0') == std::string::npos &&
           (entry.empty() || static_cast<unsigned char>(entry[0]) != kEndMark);
}

} // namespace

HistoryEntries ParseHistory(const std::vector<unsigned char> &data)
{
    HistoryEntries entries;
    auto pos = data.begin();
    while (pos != data.end() && *pos != kEndMark) {
        const auto nul = std::find(pos, data.end(), '\0');
        entries.emplace_back(pos, nul);
        pos = nul == data.end() ? nul : nul + 1;
    }
    return entries;
}

std::vector<unsigned char> SerializeHistory(const HistoryEntries &entries)
{
    std::vector<unsigned char> data;
    for (const std::string &entry : entries) {
        if (!Storable(entry))
            continue;
        // Entries are newest first: once one does not fit, it and every older
        // entry are dropped.
        if (data.size() + entry.size() + 2 > kHistoryMaxBytes)
            break;
        data.insert(data.end(), entry.begin(), entry.end());
        data.push_back('\0');
    }
    data.push_back(kEndMark);
    return data;
}

void AddToHistory(HistoryEntries &entries, const std::string &text, std::size_t maxEntries, bool dropEmpty,
                  HistoryMatch match)
{
    const auto equal = std::find_if(entries.begin(), entries.end(),
                                    [&](const std::string &e) { return Matches(e, text, match); });
    if (equal != entries.end())
        entries.erase(equal);
    entries.insert(entries.begin(), text);
    if (dropEmpty) {
        const auto blank = std::find_if(entries.begin(), entries.end(), IsBlank);
        if (blank != entries.end())
            entries.erase(blank);
    }
    if (entries.size() > maxEntries)
        entries.resize(maxEntries);
}

HistoryEntries LoadHistory(const std::string &key, const std::string &value)
{
    CRegistryStore store;
    if (!store.Open(key))
        return {};
    const auto data = store.QueryBinary(value);
    return data ? ParseHistory(*data) : HistoryEntries{};
}

bool SaveHistory(const std::string &key, const std::string &value, const HistoryEntries &entries)
{
    CRegistryStore store;
    store.Open(key);
    store.WriteBinary(value, SerializeHistory(entries));
    return store.Close();
}

} // namespace platform
