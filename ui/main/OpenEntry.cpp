#include "ui/main/OpenEntry.h"

#include <QByteArray>
#include <QDesktopServices>

QUrl LocalFileUrl(const std::string &path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"), QUrl::StrictMode);
}

bool OpenEntry(const std::string &path)
{
    return QDesktopServices::openUrl(LocalFileUrl(path));
}
