// Wildcard matching: a ";"-separated pattern list and a name. "*" must match
// every name, and every name must match itself.
#include "FuzzInput.h"
#include "platform/Wildcard.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [list, name] = SplitAtNul(FuzzText(data, size));
    for (const std::string &pattern : platform::SplitPatternList(list))
        (void)platform::MatchWildcard(pattern, name);
    if (!platform::MatchWildcard("*", name))
        std::abort();
    if (name.find_first_of("*?") == std::string_view::npos && !platform::MatchWildcard(name, name))
        std::abort();
    return 0;
}
