#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The per-user settings store: a tree of keys under "Software\Velmora\Kestrel",
// each key holding named integer, string and binary values. It is kept in the
// INI file $XDG_CONFIG_HOME/Velmora/Kestrel.ini (~/.config/... by default),
// one INI group per key (written in the form of platform/StoreFileFormat.h).
// Key and value names compare without regard to case.
//
// A store object is opened on one key, used for a run of reads or writes and
// closed again; writes reach the file at Close (or destruction), where the
// file is replaced atomically and merged with what other running instances
// wrote meanwhile.
//
// Store reads (ReadDword, ReadString, ReadBinary) heal the store: a value that
// is missing or cannot be read is replaced by the default, which is written
// back and returned. Direct reads (Query*) never write: they give nothing when
// the value is missing or too large, and the caller keeps its own state.
//
// Values keep their bytes: a string that is not valid UTF-8 is stored as a
// byte array and comes back unchanged. Key and value names are the program's
// own plain names: a write under a name that the file cannot carry (see
// platform::IsStorableName) is dropped, and such a value in the file is not
// read. A store file that cannot be parsed or is larger than
// platform::kMaxStoreFileBytes is moved aside (Kestrel.ini.broken) before
// anything is written to it.
class CRegistryStore {
public:
    // Largest string (terminator counted) or history value that is read back.
    static constexpr std::size_t kMaxValueBytes = 13000;

    CRegistryStore();
    ~CRegistryStore(); // closes
    CRegistryStore(const CRegistryStore &) = delete;
    CRegistryStore &operator=(const CRegistryStore &) = delete;

    // Opens the key `subkey` directly under the root (for example
    // "Environment"), creating it when missing. Returns whether it existed.
    bool Open(const std::string &subkey);
    bool Existed() const { return m_existed; }

    // Store reads with default (see above).
    std::int32_t ReadDword(const std::string &name, std::int32_t defaultValue);
    std::string ReadString(const std::string &name, const std::string &defaultValue);
    // The stored bytes when there are at most maxSize of them; otherwise the
    // default, which is stored.
    std::vector<unsigned char>
    ReadBinary(const std::string &name, const std::vector<unsigned char> &defaultValue, std::size_t maxSize);

    // Direct reads: nothing when the key was created by Open, the value is
    // missing, of a form that cannot be read, or larger than the limit.
    std::optional<std::int32_t> QueryDword(const std::string &name) const;
    std::optional<std::string> QueryString(const std::string &name) const;
    std::optional<std::vector<unsigned char>> QueryBinary(const std::string &name, std::size_t maxSize) const;

    void WriteDword(const std::string &name, std::int32_t value);
    // The text up to its first NUL is stored.
    void WriteString(const std::string &name, const std::string &text);
    void WriteBinary(const std::string &name, const std::vector<unsigned char> &data);

    // Writes pending changes to the file and closes the key. Returns false
    // when the file could not be written (the old file is then unchanged).
    bool Close();
    // Why the last Close returned false, as an errno value (EISDIR when the
    // store path is a folder, EACCES for a folder without write permission,
    // ENOENT for a symbolic link that leads nowhere ...); 0 after a Close that
    // wrote the file or had nothing to write.
    int WriteError() const { return m_writeError; }

    // One-shot Open of subkey, ReadDword, Close.
    static std::int32_t ReadKeyDword(const std::string &subkey, const std::string &name,
                                     std::int32_t defaultValue);

    // Removes the whole tree: every key and value, and the store file itself.
    static void DeleteAll();

    // Full path of the store file.
    static std::string FilePath();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    bool m_existed = false;
    int m_writeError = 0;
};
