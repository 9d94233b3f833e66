#include "ui/dialogs/FileTypeList.h"

#include <QMimeDatabase>
#include <QSet>

std::vector<FileTypeRow> KnownFileTypes()
{
    const QMimeDatabase db;
    std::vector<FileTypeRow> rows;
    QSet<QString> seen;
    for (const QMimeType &type : db.allMimeTypes()) {
        for (const QString &suffix : type.suffixes()) {
            if (suffix.isEmpty() || seen.contains(suffix))
                continue;
            seen.insert(suffix);
            // Several types may claim a suffix; describe it as the type the
            // file lists show for a file of that name.
            const QMimeType shown =
                db.mimeTypeForFile(QStringLiteral("x.") + suffix, QMimeDatabase::MatchExtension);
            const QMimeType &described = shown.isDefault() ? type : shown;
            rows.push_back({described.comment(), suffix, described.iconName(), described.genericIconName()});
        }
    }
    return rows;
}
