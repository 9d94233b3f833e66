#pragma once

#include <string>
#include <string_view>

// File types as the lists show them: chosen by the name's extension only,
// never by reading a file.
namespace platform {

// The MIME type of an entry: "inode/directory" for folders,
// "application/octet-stream" for a file without extension, otherwise the type
// the desktop's database knows for the extension.
std::string MimeTypeNameFor(bool isFolder, std::string_view extension);

// The desktop's description of a MIME type ("JPEG image"), in the user's language.
std::string MimeTypeDescription(const std::string &mimeTypeName);

} // namespace platform
