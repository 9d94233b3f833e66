// The settings store file: whatever parses must format and parse back to the
// same values.
#include "FuzzInput.h"
#include "platform/StoreFileFormat.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto values = platform::ParseStoreFile(FuzzText(data, size));
    if (!values)
        return 0;
    const auto again = platform::ParseStoreFile(platform::FormatStoreFile(*values));
    if (!again || *again != *values)
        std::abort();
    return 0;
}
