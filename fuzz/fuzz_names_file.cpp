// A names file: its bytes decoded as the program reads them, then cut into
// names, none of which may hold a line end or a path separator.
#include "FuzzInput.h"
#include "engine/RenameSettings.h"
#include "platform/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text = platform::DecodeText(FuzzText(data, size));
    for (const std::string &name : CRenameSettings::NamesFromText(text))
        if (name.find_first_of("\n/") != std::string::npos)
            std::abort();
    return 0;
}
