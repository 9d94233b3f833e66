#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Input histories: most recent entry first, at most kHistoryMaxEntries
// entries, kept in the settings store as one binary value: every entry's bytes
// followed by a NUL, entry 0 first, then one byte 0xFF. An empty list is the
// single byte 0xFF.
namespace platform {

using HistoryEntries = std::vector<std::string>;

inline constexpr std::size_t kHistoryMaxEntries = 20;
inline constexpr std::size_t kHistoryMaxBytes = 13000;

// How AddToHistory finds the earlier copy of the text it adds.
enum class HistoryMatch {
    IgnoreCase, // texts equal without regard to letter case
    SamePath,   // paths equal byte for byte, or naming the same existing file
};

// Entries of a stored value: parsing ends at a 0xFF that starts an entry or
// at the end of the data (a last entry without its NUL is kept).
HistoryEntries ParseHistory(const std::vector<unsigned char> &data);

// The stored form of a list. Entries that the format cannot hold (holding a
// NUL, or starting with 0xFF) are left out, and the oldest entries are
// dropped until the value fits in kHistoryMaxBytes.
std::vector<unsigned char> SerializeHistory(const HistoryEntries &entries);

// Puts text at position 0: the first equal entry is removed, with dropEmpty
// the first entry that is blank after trimming white space is removed, and
// the list is cut to maxEntries. The text is inserted untrimmed.
void AddToHistory(HistoryEntries &entries, const std::string &text, std::size_t maxEntries, bool dropEmpty,
                  HistoryMatch match = HistoryMatch::IgnoreCase);

// Reads the list stored as `value` under `key` (direct read: empty when the
// key or value is missing). A value longer than kHistoryMaxBytes (edited by
// hand) is read whole; the next save keeps only what fits.
HistoryEntries LoadHistory(const std::string &key, const std::string &value);

// Writes the list as `value` under `key`. Returns false when the store file
// could not be written.
bool SaveHistory(const std::string &key, const std::string &value, const HistoryEntries &entries);

} // namespace platform
