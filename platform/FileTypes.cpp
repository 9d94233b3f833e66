#include "platform/FileTypes.h"

#include <QMimeDatabase>

namespace platform {

std::string MimeTypeNameFor(bool isFolder, std::string_view extension)
{
    if (isFolder)
        return "inode/directory";
    if (extension.empty())
        return "application/octet-stream";
    const QString probe =
        QStringLiteral("x.") + QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
    return QMimeDatabase().mimeTypeForFile(probe, QMimeDatabase::MatchExtension).name().toStdString();
}

std::string MimeTypeDescription(const std::string &mimeTypeName)
{
    return QMimeDatabase().mimeTypeForName(QString::fromStdString(mimeTypeName)).comment().toStdString();
}

} // namespace platform
