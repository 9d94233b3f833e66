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
// Describing them reads a file per type from the database, so they are read
// once per process and kept: ahead of need on a worker of the global thread
// pool (StartReadingKnownFileTypes), or else by the first caller, and a
// caller that comes while a worker reads them waits for it.
const std::vector<FileTypeRow> &KnownFileTypes();

// Starts reading the known file types on a worker, unless they are read or
// being read already.
void StartReadingKnownFileTypes();
