#include "platform/MediaInfo.h"

#include <exiv2/exiv2.hpp>
#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tdebuglistener.h>

#include <mutex>

#include <sys/stat.h>

namespace platform {

namespace {

class SilentTagLib : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String &) override {}
};

// Once per process, before the first file: both libraries keep quiet, and
// the XMP parser is set up before threads may read pictures at once.
void PrepareLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
        static SilentTagLib silent;
        TagLib::setDebugListener(&silent);
    });
}

// "YYYY:MM:DD HH:MM:SS" as Exif writes it; blanks, zeros and impossible dates give none.
std::optional<TimeValue> ParseExifTime(const std::string &text)
{
    int fields[6] = {};
    std::size_t p = 0;
    for (int &field : fields) {
        while (p < text.size() && (text[p] < '0' || text[p] > '9'))
            ++p;
        if (p >= text.size())
            return std::nullopt;
        for (; p < text.size() && text[p] >= '0' && text[p] <= '9' && field < 10000; ++p)
            field = field * 10 + (text[p] - '0');
    }
    TimeValue time = 0;
    if (!MakeLocalTime(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], time))
        return std::nullopt;
    return time;
}

// Exif pads texts with blanks and NULs.
std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.pop_back();
    return text;
}

std::string ExifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto datum = exif.findKey(Exiv2::ExifKey(key));
    return datum == exif.end() ? std::string() : Trimmed(datum->toString());
}

void ReadPicture(const std::string &path, MediaInfo &info)
{
    auto image = Exiv2::ImageFactory::open(path, false);
    image->readMetadata();
    info.width = image->pixelWidth();
    info.height = image->pixelHeight();
    const Exiv2::ExifData &exif = image->exifData();
    info.camera = ExifText(exif, "Exif.Image.Model");
    info.taken = ParseExifTime(ExifText(exif, "Exif.Photo.DateTimeOriginal"));
    if (!info.taken)
        info.taken = ParseExifTime(ExifText(exif, "Exif.Photo.DateTimeDigitized"));
}

void ReadSong(const std::string &path, MediaInfo &info)
{
    const TagLib::FileRef file(path.c_str(), false);
    const TagLib::Tag *tag = file.isNull() ? nullptr : file.tag();
    if (!tag)
        return;
    info.artist = tag->artist().to8Bit(true);
    info.album = tag->album().to8Bit(true);
    info.title = tag->title().to8Bit(true);
    info.track = static_cast<int>(tag->track());
    info.year = static_cast<int>(tag->year());
}

} // namespace

MediaInfo ReadMediaInfo(const std::string &path)
{
    MediaInfo info;
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return info;
    PrepareLibraries();
    // exiv2 takes a name that starts with a protocol ("http:") for an address.
    const std::string local = path.starts_with('/') ? path : "./" + path;
    try {
        if (Exiv2::ImageFactory::getType(local) != Exiv2::ImageType::none)
            ReadPicture(local, info);
        else
            ReadSong(local, info);
    } catch (...) {
        // exiv2 throws for a damaged file: nothing of it counts.
        info = {};
    }
    return info;
}

} // namespace platform
