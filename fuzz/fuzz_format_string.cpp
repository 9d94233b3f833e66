// The format mode: a format string with placeholders expanded for one entry,
// with number settings taken from the input's first bytes.
#include "FuzzInput.h"
#include "engine/RenameSettings.h"
#include "model/FileEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    CRenameSettings settings;
    settings.RenameMode = RenameKind::Format;
    settings.NumberWidth = data[0] % 12;
    settings.NumberStart = static_cast<int>(static_cast<std::int8_t>(data[1])) * 1000;
    settings.NumberStep = static_cast<int>(static_cast<std::int8_t>(data[2]));
    const int row = data[3];
    const auto [format, name] = SplitAtNul(FuzzText(data + 4, size - 4));

    platform::DirEntryInfo info;
    info.directory = "/d";
    info.name = name.empty() ? std::string("a.txt") : std::string(name);
    info.lastWriteTime = 0x5f000000u + data[1] * 86400u;
    const CFileEntry entry(info);
    settings.FormatStr = std::string(format);
    (void)settings.ExpandFormat(settings.FormatStr, entry, row);
    (void)settings.ComputeNewName(entry, row);
    return 0;
}
