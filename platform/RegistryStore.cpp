#include "platform/RegistryStore.h"

#include "platform/Paths.h"
#include "platform/StoreFile.h"
#include "platform/StoreFileFormat.h"
#include "platform/Text.h"
#include "platform/TextFile.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::StoredValue;

std::string AsciiLower(std::string_view name)
{
    std::string lower(name);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The group part of a key of the file ("Group/Name"); empty outside a group.
std::string_view GroupOf(std::string_view key)
{
    const std::size_t slash = key.find('/');
    return slash == std::string_view::npos ? std::string_view() : key.substr(0, slash);
}

// The key of values that a group of the file holds as `name`, in the file's
// own spelling when it has one.
std::string KeyIn(const platform::StoredValues &values, const std::string &group, const std::string &name)
{
    for (const auto &[key, value] : values)
        if (platform::EqualsIgnoringAsciiCase(GroupOf(key), group) &&
            platform::EqualsIgnoringAsciiCase(std::string_view(key).substr(GroupOf(key).size() + 1), name))
            return key;
    return group + '/' + name;
}

// A number stored as text (a hand-edited value) counts when it is a whole
// decimal number, blanks around it allowed.
std::optional<std::int64_t> NumberOfText(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n\v\f");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t\r\n\v\f") - first + 1);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

// The bytes of a value of any kind (a number as its text).
std::string BytesOf(const StoredValue &value)
{
    return value.kind == StoredValue::Kind::Integer ? std::to_string(value.number) : value.bytes;
}

} // namespace

struct CRegistryStore::Impl {
    bool open = false;
    // The key's spelling in the file, or as given when it is not there.
    std::string group;
    // The whole file as Open read it.
    platform::StoredValues file;
    // Lower-case value name -> key in `file`, for the values of this key.
    std::map<std::string, std::string> names;
    // Lower-case value name -> name as first written and value, since Open.
    std::map<std::string, std::pair<std::string, StoredValue>> written;
    // The key's name can be written to the file.
    bool storableKey = true;

    const StoredValue *find(const std::string &name, bool keyExisted) const
    {
        const std::string lower = AsciiLower(name);
        if (const auto it = written.find(lower); it != written.end())
            return &it->second.second;
        if (!keyExisted)
            return nullptr;
        const auto it = names.find(lower);
        return it == names.end() ? nullptr : &file.at(it->second);
    }

    void set(const std::string &name, StoredValue value)
    {
        if (!open || !storableKey || !platform::IsStorableName(name))
            return;
        auto &entry = written[AsciiLower(name)];
        if (entry.first.empty())
            entry.first = name;
        entry.second = std::move(value);
    }

    // The written values put into the file as it is now: another instance may
    // have written it since Open.
    void mergeInto(platform::StoredValues &values) const
    {
        std::string fileGroup = group;
        for (const auto &[key, value] : values)
            if (platform::EqualsIgnoringAsciiCase(GroupOf(key), group)) {
                fileGroup = std::string(GroupOf(key));
                break;
            }
        for (const auto &[lower, entry] : written)
            values[KeyIn(values, fileGroup, entry.first)] = entry.second;
    }
};

CRegistryStore::CRegistryStore() : m_impl(std::make_unique<Impl>()) {}

CRegistryStore::~CRegistryStore()
{
    Close();
}

std::string CRegistryStore::FilePath()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char *home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.config";
    }
    return base + "/Velmora/Kestrel.ini";
}

bool CRegistryStore::Open(const std::string &subkey)
{
    Close();
    platform::StoreFileContent content = platform::ReadStoreFile(FilePath());
    m_readError = content.error;
    Impl &impl = *m_impl;
    impl.file = std::move(content.values);
    impl.open = true;
    impl.storableKey = platform::IsStorableName(subkey);
    impl.group = subkey;
    for (const auto &[key, value] : impl.file) {
        const std::string_view group = GroupOf(key);
        if (!platform::EqualsIgnoringAsciiCase(group, subkey))
            continue;
        if (!m_existed) {
            impl.group = std::string(group);
            m_existed = true;
        }
        if (group == impl.group)
            impl.names.emplace(AsciiLower(std::string_view(key).substr(group.size() + 1)), key);
    }
    return m_existed;
}

bool CRegistryStore::Close()
{
    m_writeError = 0;
    if (m_impl->open && !m_impl->written.empty())
        m_writeError = platform::UpdateStoreFile(
            FilePath(), [this](platform::StoredValues &values) { m_impl->mergeInto(values); });
    *m_impl = Impl();
    m_existed = false;
    return m_writeError == 0;
}

std::optional<std::int32_t> CRegistryStore::QueryDword(const std::string &name) const
{
    const StoredValue *value = m_impl->find(name, m_existed);
    if (!value || value->kind == StoredValue::Kind::Bytes)
        return std::nullopt;
    const auto number =
        value->kind == StoredValue::Kind::Integer ? std::optional(value->number) : NumberOfText(value->bytes);
    // Four bytes hold any signed or unsigned 32-bit number.
    if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
        *number > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*number));
}

std::optional<std::string> CRegistryStore::QueryString(const std::string &name) const
{
    const StoredValue *value = m_impl->find(name, m_existed);
    if (!value)
        return std::nullopt;
    std::string text = BytesOf(*value);
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

std::optional<std::vector<unsigned char>> CRegistryStore::QueryBinary(const std::string &name,
                                                                      std::size_t maxSize) const
{
    const StoredValue *value = m_impl->find(name, m_existed);
    if (!value)
        return std::nullopt;
    const std::string bytes = BytesOf(*value);
    if (bytes.size() > maxSize)
        return std::nullopt;
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

std::int32_t CRegistryStore::ReadDword(const std::string &name, std::int32_t defaultValue) const
{
    return QueryDword(name).value_or(defaultValue);
}

std::string CRegistryStore::ReadString(const std::string &name, const std::string &defaultValue) const
{
    if (auto stored = QueryString(name))
        return std::move(*stored);
    return defaultValue.substr(0, defaultValue.find('\0'));
}

std::vector<unsigned char> CRegistryStore::ReadBinary(const std::string &name,
                                                      const std::vector<unsigned char> &defaultValue,
                                                      std::size_t maxSize) const
{
    if (auto stored = QueryBinary(name, maxSize))
        return std::move(*stored);
    return defaultValue;
}

void CRegistryStore::WriteDword(const std::string &name, std::int32_t value)
{
    m_impl->set(name, StoredValue{StoredValue::Kind::Integer, value, {}});
}

void CRegistryStore::WriteString(const std::string &name, const std::string &text)
{
    std::string bytes = text.substr(0, text.find('\0'));
    // Text that the file cannot carry as UTF-8 keeps its bytes as a byte array.
    const auto kind = platform::IsValidUtf8(bytes) ? StoredValue::Kind::Text : StoredValue::Kind::Bytes;
    m_impl->set(name, StoredValue{kind, 0, std::move(bytes)});
}

void CRegistryStore::WriteBinary(const std::string &name, const std::vector<unsigned char> &data)
{
    m_impl->set(name, StoredValue{StoredValue::Kind::Bytes, 0, std::string(data.begin(), data.end())});
}

std::int32_t CRegistryStore::ReadKeyDword(const std::string &subkey, const std::string &name,
                                          std::int32_t defaultValue)
{
    CRegistryStore store;
    store.Open(subkey);
    return store.ReadDword(name, defaultValue);
}

void CRegistryStore::DeleteAll()
{
    const std::string path = FilePath();
    // Only the store's own file, or a link put in its place, is removed: a
    // device or a named pipe there is not ours.
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
        ::unlink(path.c_str());
    ::rmdir(platform::SplitPath(path).directory.c_str()); // only when empty
}
