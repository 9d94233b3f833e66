#pragma once

#include <string_view>

namespace engine {

// The name a new name is created under: trailing dots are dropped, as the
// rename modes write "title." for an entry without an extension ("img001."
// is created as "img001"). A name of dots only is returned as it is; a plan
// refuses it.
inline std::string_view CreatedName(std::string_view name)
{
    const std::size_t kept = name.find_last_not_of('.');
    return kept == std::string_view::npos ? name : name.substr(0, kept + 1);
}

} // namespace engine
