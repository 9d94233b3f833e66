#include "cli/TypeNames.h"

#include "platform/FileTypes.h"
#include "platform/Text.h"

#include <unordered_map>

namespace cli {

void FillTypeNames(const std::vector<CFileEntry *> &entries)
{
    const std::string folderName = platform::MimeTypeDescription(platform::MimeTypeNameFor(true, {}));
    // Extensions differ only in case on many disks (JPG, jpg): one look-up.
    std::unordered_map<std::string, std::string> byExtension;
    for (CFileEntry *entry : entries) {
        if (entry->isFolder) {
            entry->typeName = folderName;
            continue;
        }
        std::string key = platform::ToLower(entry->extension);
        auto it = byExtension.find(key);
        if (it == byExtension.end()) {
            std::string name = platform::MimeTypeDescription(platform::MimeTypeNameFor(false, key));
            it = byExtension.emplace(std::move(key), std::move(name)).first;
        }
        entry->typeName = it->second;
    }
}

} // namespace cli
