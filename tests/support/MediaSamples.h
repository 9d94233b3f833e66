#pragma once

#include <exiv2/exiv2.hpp>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

// Pictures and songs made on the spot, their data written by the libraries
// the program reads them with.
namespace testing_support {

// A blank JPEG (1 x 1 pixel) at path with the given Exif fields ("Exif.Image.Model", "Cam").
inline void WriteJpeg(const std::string &path, const std::vector<std::pair<std::string, std::string>> &exif)
{
    auto image = Exiv2::ImageFactory::create(Exiv2::ImageType::jpeg, path);
    Exiv2::ExifData data;
    for (const auto &[key, value] : exif)
        data[key] = value;
    image->setExifData(data);
    image->writeMetadata();
}

struct SongTags {
    std::string artist, album, title;
    unsigned track = 0, year = 0;
};

// A silent MP3 of four frames at path, with an ID3v2 tag.
inline void WriteMp3(const std::string &path, const SongTags &tags)
{
    {
        // MPEG-1 layer III, 128 kbit/s, 44.1 kHz: 417 bytes a frame.
        std::string frame(417, '\0');
        frame.replace(0, 3, "\xff\xfb\x90");
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 4; ++i)
            out << frame;
    }
    TagLib::MPEG::File file(path.c_str());
    TagLib::ID3v2::Tag *tag = file.ID3v2Tag(true);
    tag->setArtist(TagLib::String(tags.artist, TagLib::String::UTF8));
    tag->setAlbum(TagLib::String(tags.album, TagLib::String::UTF8));
    tag->setTitle(TagLib::String(tags.title, TagLib::String::UTF8));
    tag->setTrack(tags.track);
    tag->setYear(tags.year);
    file.save();
}

} // namespace testing_support
