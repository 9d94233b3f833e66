#include "model/TypeNames.h"

#include "model/ListedEntry.h"
#include "platform/FileTypes.h"

const std::string &TypeNames::Name(const std::string &typeKey)
{
    auto it = m_names.find(typeKey);
    if (it == m_names.end()) {
        const bool folder = typeKey == ListedEntry::kFolderTypeKey;
        const std::string type = platform::MimeTypeNameFor(folder, folder ? std::string() : typeKey);
        it = m_names.emplace(typeKey, platform::MimeTypeDescription(type)).first;
    }
    return it->second;
}
