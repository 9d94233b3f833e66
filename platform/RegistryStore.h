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
// closed again. Open reads the file and nothing else: loading settings never
// changes the store. Writes reach the file at Close (or destruction), where
// they are merged with what other running instances wrote meanwhile and the
// file is replaced atomically (see platform::UpdateStoreFile).
//
// Store reads (ReadDword, ReadString, ReadBinary) give the default for a value
// that is missing or cannot be read; direct reads (Query*) give nothing then,
// and the caller keeps its own state. Neither writes.
//
// Values keep their bytes: a string that is not valid UTF-8 is stored as a
// byte array and comes back unchanged, whatever its length. Key and value
// names are the program's own plain names: a write under a name that the file
// cannot carry (see platform::IsStorableName) is dropped, and such a value in
// the file is not read. A store file that cannot be read (ReadError) reads as
// an empty store and is never written over; one that cannot be parsed or is
// larger than platform::kMaxStoreFileBytes is kept aside (Kestrel.ini.broken)
// by the first write.
class CRegistryStore {
public:
    CRegistryStore();
    ~CRegistryStore(); // closes
    CRegistryStore(const CRegistryStore &) = delete;
    CRegistryStore &operator=(const CRegistryStore &) = delete;

    // Opens the key `subkey` directly under the root (for example
    // "Environment"); a missing key is created by the first write. Returns
    // whether it existed.
    bool Open(const std::string &subkey);
    // Why the store file could not be read at the last Open (kept after
    // Close): 0 when it was read or is not there, else a code of
    // platform/StoreFile.h (platform::StoreErrorMessage words it).
    int ReadError() const { return m_readError; }

    // Store reads with default (see above).
    std::int32_t ReadDword(const std::string &name, std::int32_t defaultValue) const;
    std::string ReadString(const std::string &name, const std::string &defaultValue) const;
    // The stored bytes when there are at most maxSize of them; otherwise the
    // default.
    std::vector<unsigned char> ReadBinary(const std::string &name,
                                          const std::vector<unsigned char> &defaultValue,
                                          std::size_t maxSize) const;

    // Direct reads: nothing when the key did not exist at Open and the value
    // was not written since, or the value is missing, of a form that cannot
    // be read, or larger than maxSize (fixed-size values).
    std::optional<std::int32_t> QueryDword(const std::string &name) const;
    // The text up to its first NUL, whatever its length.
    std::optional<std::string> QueryString(const std::string &name) const;
    std::optional<std::vector<unsigned char>> QueryBinary(const std::string &name,
                                                          std::size_t maxSize = SIZE_MAX) const;

    void WriteDword(const std::string &name, std::int32_t value);
    // The text up to its first NUL is stored.
    void WriteString(const std::string &name, const std::string &text);
    void WriteBinary(const std::string &name, const std::vector<unsigned char> &data);

    // Writes pending changes to the file and closes the key. Returns false
    // when the file could not be written (the old file is then unchanged).
    bool Close();
    // Why the last Close returned false: an errno value (EISDIR when the
    // store path is a folder, EACCES for a folder without write permission,
    // ENOENT for a symbolic link that leads nowhere ...) or a code of
    // platform/StoreFile.h for a file that cannot be read or is no regular
    // file; 0 after a Close that wrote the file or had nothing to write.
    int WriteError() const { return m_writeError; }

    // One-shot Open of subkey, ReadDword, Close.
    static std::int32_t ReadKeyDword(const std::string &subkey, const std::string &name,
                                     std::int32_t defaultValue);

    // Removes the whole tree: the store file (or the symbolic link in its
    // place) and its folder when that is left empty.
    static void DeleteAll();

    // Full path of the store file.
    static std::string FilePath();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    bool m_existed = false;
    int m_readError = 0;
    int m_writeError = 0;
};
