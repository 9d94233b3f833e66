#include "model/NumericKey.h"

namespace {

constexpr std::size_t kLongField = 30;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

void AppendNumber(std::string &out, std::string_view digits)
{
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    if (digits.size() <= kNumberFieldWidth) {
        out.append(kNumberFieldWidth - digits.size(), ' ');
    } else {
        out.append(kNumberFieldWidth, '9');
        if (digits.size() < kLongField)
            out.append(kLongField - digits.size(), ' ');
    }
    out.append(digits);
}

} // namespace

std::string RewriteDigitRuns(std::string_view key)
{
    std::string out;
    out.reserve(key.size() + kNumberFieldWidth);
    std::size_t pos = 0;
    while (pos < key.size()) {
        if (!IsDigit(key[pos])) {
            out.push_back(key[pos++]);
            continue;
        }
        const std::size_t start = pos;
        while (pos < key.size() && IsDigit(key[pos]))
            ++pos;
        AppendNumber(out, key.substr(start, pos - start));
    }
    return out;
}
