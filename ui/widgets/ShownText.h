#pragma once

#include <QString>

#include <string_view>

// A text held as bytes (UTF-8; a file name may hold any bytes), as the window
// shows it: bytes that are not valid UTF-8 appear as replacement marks. Only
// for display: the bytes themselves are what goes back to the disk.
inline QString ShownText(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
