#pragma once

#include <QUrl>

#include <string>

// A file: URL that names the file by its exact bytes (percent-encoded), so a
// name that is not valid UTF-8 still reaches the opening program unchanged.
QUrl LocalFileUrl(const std::string &path);

// Opens a file or folder with the desktop's program for it. False when the
// desktop could not be asked.
bool OpenEntry(const std::string &path);
