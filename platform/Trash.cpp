#include "platform/Trash.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>

#include <cerrno>
#include <cstdio>

namespace platform {

int MoveToTrash(const std::string &path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    const QString name = QFile::decodeName(bytes);
    // A name that does not survive the conversion could name another file.
    if (QFile::encodeName(name) != bytes)
        return EILSEQ;
    // Without the data folder the trash would be made below the current directory.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome))
        return EACCES;
    QString inTrash;
    if (!QFile::moveToTrash(name, &inTrash))
        return QFile::exists(name) ? EACCES : ENOENT;
    if (!QDir::isAbsolutePath(inTrash)) {
        // Put the file back where it was rather than leave it in a stray folder.
        std::rename(QFile::encodeName(inTrash).constData(), path.c_str());
        return EIO;
    }
    return 0;
}

} // namespace platform
