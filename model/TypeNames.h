#pragma once

#include <string>
#include <unordered_map>

// The type names the lists show, by type key (ListedEntry::TypeKey): the
// desktop's description of the MIME type that the extension alone gives, so
// that a sort by type orders alike wherever it runs. Each key is looked up
// once. One object per thread.
class TypeNames {
public:
    const std::string &Name(const std::string &typeKey);

private:
    std::unordered_map<std::string, std::string> m_names;
};
