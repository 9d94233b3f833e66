#pragma once

#include "platform/RegistryStore.h"
#include "platform/StoreFileFormat.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace testing_support {

// The values that the settings store file holds under key (in any letter
// case), by value name.
inline platform::StoredValues StoredValuesOfKey(const std::string &key)
{
    auto sameLetters = [](char a, char b) {
        return std::tolower((unsigned char)a) == std::tolower((unsigned char)b);
    };
    platform::StoredValues values;
    const auto all = platform::ParseStoreFile(ReadFile(CRegistryStore::FilePath()));
    for (const auto &[name, value] : all.value_or(platform::StoredValues{}))
        if (name.size() > key.size() && name[key.size()] == '/' &&
            std::equal(key.begin(), key.end(), name.begin(), sameLetters))
            values[name.substr(key.size() + 1)] = value;
    return values;
}

} // namespace testing_support
