#pragma once

#include "model/TypeNames.h"
#include "ui/widgets/FileTypeCache.h"

#include <QIcon>

#include <string>

// Type names and icons of listed rows by their type key
// (ListedEntry::TypeKey), so that sorting many rows by type costs one hash
// look-up per row. Uses QIcon: interface thread only.
class ListedTypes {
public:
    const std::string &Name(const std::string &typeKey) { return m_names.Name(typeKey); }
    TypeNames &Names() { return m_names; }
    QIcon Icon(const std::string &typeKey);

private:
    FileTypeCache m_cache;
    TypeNames m_names;
};
