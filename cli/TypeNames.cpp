#include "cli/TypeNames.h"

#include "platform/Text.h"

#include <QMimeDatabase>

#include <unordered_map>

namespace cli {

void FillTypeNames(std::vector<CFileEntry> &entries)
{
    QMimeDatabase db;
    const std::string folderName =
        db.mimeTypeForName(QStringLiteral("inode/directory")).comment().toStdString();
    // Extensions differ only in case on many disks (JPG, jpg): one look-up.
    std::unordered_map<std::string, std::string> byExtension;
    for (CFileEntry &entry : entries) {
        if (entry.isFolder) {
            entry.typeName = folderName;
            continue;
        }
        std::string key = platform::ToLower(entry.extension);
        auto it = byExtension.find(key);
        if (it == byExtension.end()) {
            QMimeType type = key.empty() ? db.mimeTypeForName(QStringLiteral("application/octet-stream"))
                                         : db.mimeTypeForFile(QStringLiteral("x.") + QString::fromUtf8(key),
                                                              QMimeDatabase::MatchExtension);
            it = byExtension.emplace(key, type.comment().toStdString()).first;
        }
        entry.typeName = it->second;
    }
}

} // namespace cli
