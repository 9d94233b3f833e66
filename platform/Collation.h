#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Ordering of texts for the lists: the user's locale collation (a Japanese
// collation when the locale is C or POSIX) without regard to letter case, in
// which blanks come before digits and digits before letters. Texts that the
// collation finds equal but that differ other than in letter case (invalid
// UTF-8 bytes, for instance) are ordered by their lower-case bytes, so the
// order is always total and repeatable.
namespace platform {

// Negative, zero or positive.
int CompareCollated(std::string_view a, std::string_view b);

// Collation keys prepared once for a fixed set of texts, so that sorting many
// texts converts each one once instead of at every comparison.
class CollationKeys {
public:
    explicit CollationKeys(std::vector<std::string> texts);
    ~CollationKeys();
    CollationKeys(const CollationKeys &) = delete;
    CollationKeys &operator=(const CollationKeys &) = delete;

    std::size_t size() const;
    // The same result as CompareCollated(texts[i], texts[j]).
    int Compare(std::size_t i, std::size_t j) const;

private:
    struct Data;
    std::unique_ptr<Data> m_data;
};

} // namespace platform
