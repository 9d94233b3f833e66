#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

#include <string>

class CFileEntry;

// Type names and small icons of list entries, looked up by name only (never
// by reading a file) and kept per extension, so that a directory of many
// files of few kinds costs a few look-ups.
class FileTypeCache {
public:
    std::string TypeName(const CFileEntry &entry);
    QIcon Icon(const CFileEntry &entry);

private:
    struct TypeInfo {
        std::string name;
        QIcon icon;
    };
    const TypeInfo &Lookup(const CFileEntry &entry);

    QHash<QString, TypeInfo> m_byExtension;
    TypeInfo m_folder;
    bool m_folderKnown = false;
};
