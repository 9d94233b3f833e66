// The command line's --set Field=Value and its time values: a bad text is
// refused with a usage error, a good one applies to the settings.
#include "FuzzInput.h"
#include "cli/SettingsAssignment.h"
#include "cli/UsageError.h"
#include "engine/RenameSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text = FuzzText(data, size);
    try {
        CRenameSettings settings;
        cli::SettingsAssignment::Parse(text).ApplyTo(settings);
    } catch (const cli::UsageError &) {
    }
    platform::TimeValue time = 0;
    (void)cli::ParseLocalTime(text, time);
    return 0;
}
