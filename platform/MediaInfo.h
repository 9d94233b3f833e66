#pragma once

#include "platform/TimeFormat.h"

#include <optional>
#include <string>

namespace platform {

// What a picture or a song says about itself. A value the file does not
// carry is empty, or 0 for a number.
struct MediaInfo {
    // The picture's Exif DateTimeOriginal, else its DateTimeDigitized, as a
    // local time (Exif keeps no time zone).
    std::optional<TimeValue> taken;
    std::string camera; // Exif Model
    int width = 0;      // the picture's pixels
    int height = 0;
    std::string artist; // the song's tags, UTF-8
    std::string album;
    std::string title;
    int track = 0;
    int year = 0;
};

// The data of the regular file at path (bytes), read with libexiv2 for a
// picture and TagLib for a song. Anything else, a file that cannot be read or
// parsed, and whatever is not a regular file (a pipe is never opened) give
// empty values. Never throws; the libraries' own messages are silenced.
MediaInfo ReadMediaInfo(const std::string &path);

} // namespace platform
