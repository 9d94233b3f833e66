#pragma once

#include "ui/main/FileTypeCache.h"

#include <QIcon>

#include <string>
#include <unordered_map>

// Type names and icons of listed rows by their type key
// (ListedEntry::TypeKey), so that sorting many rows by type costs one hash
// look-up per row. Uses QMimeDatabase and QIcon: interface thread only.
class ListedTypes {
public:
    const std::string &Name(const std::string &typeKey);
    QIcon Icon(const std::string &typeKey);

private:
    FileTypeCache m_cache;
    std::unordered_map<std::string, std::string> m_names;
};
