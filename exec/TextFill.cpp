#include "exec/TextFill.h"

namespace exec {

std::string FillText(std::string_view pattern, std::initializer_list<std::string> values)
{
    std::string text;
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd') &&
            next != values.end()) {
            text += *next++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace exec
