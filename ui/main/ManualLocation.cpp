#include "ui/main/ManualLocation.h"

#include "ui/widgets/Icons.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Writes every file of the built-in manual below target; true when the index
// is there afterwards.
bool ExtractManual(const QString &target)
{
    const QString root = QFileInfo(QString::fromLatin1(icons::kManual)).path();
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString destination = target + source.mid(root.size());
        QDir().mkpath(QFileInfo(destination).path());
        QFile::remove(destination);
        QFile::copy(source, destination);
        QFile::setPermissions(destination,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return QFileInfo::exists(target + QStringLiteral("/index.html"));
}

} // namespace

QString ManualIndexPath()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    // Beside a built program, or where the installation put it.
    for (const QString &candidate : {appDir + QStringLiteral("/manual/index.html"),
                                     appDir + QStringLiteral("/" KESTREL_MANUAL_FROM_BINDIR "/index.html")}) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).canonicalFilePath();
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        return {};
    const QString target = cache + QStringLiteral("/manual");
    return ExtractManual(target) ? target + QStringLiteral("/index.html") : QString();
}
