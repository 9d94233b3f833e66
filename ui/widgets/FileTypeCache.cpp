#include "ui/widgets/FileTypeCache.h"

#include "model/FileEntry.h"
#include "platform/FileTypes.h"
#include "platform/Text.h"
#include "ui/widgets/Icons.h"

#include <QMimeDatabase>

namespace {

// The desktop's icon theme when it has a picture for the type, else the
// program's own.
QIcon IconFor(const QMimeType &type, const char *fallback)
{
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QIcon(QString::fromLatin1(fallback));
    return icon;
}

} // namespace

const FileTypeCache::TypeInfo &FileTypeCache::Lookup(const CFileEntry &entry)
{
    QMimeDatabase db;
    if (entry.isFolder) {
        if (!m_folderKnown) {
            const QMimeType type =
                db.mimeTypeForName(QString::fromStdString(platform::MimeTypeNameFor(true, {})));
            m_folder = {type.comment().toStdString(), IconFor(type, icons::kFolder)};
            m_folderKnown = true;
        }
        return m_folder;
    }
    // Extensions differ only in case on many disks (JPG, jpg): one entry.
    const std::string extension = platform::ToLower(entry.extension);
    const QString key = QString::fromStdString(extension);
    auto it = m_byExtension.find(key);
    if (it == m_byExtension.end()) {
        const QMimeType type =
            db.mimeTypeForName(QString::fromStdString(platform::MimeTypeNameFor(false, extension)));
        it = m_byExtension.insert(key, {type.comment().toStdString(), IconFor(type, icons::kFile)});
    }
    return *it;
}

std::string FileTypeCache::TypeName(const CFileEntry &entry)
{
    return Lookup(entry).name;
}

QIcon FileTypeCache::Icon(const CFileEntry &entry)
{
    return Lookup(entry).icon;
}
