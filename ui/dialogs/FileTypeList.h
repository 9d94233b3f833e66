#pragma once

#include <QString>

#include <vector>

// One file type known to the system, by one of its extensions.
struct FileTypeRow {
    QString description; // the type's name, e.g. "PNG image"
    QString extension;   // without the dot, e.g. "png"
    QString iconName;    // icon theme name of the type
    QString genericIconName;
};

// Every extension that the system's MIME database knows, each once, with the
// description of the type that a file of that extension is taken to be.
std::vector<FileTypeRow> KnownFileTypes();
