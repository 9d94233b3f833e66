#define PCRE2_CODE_UNIT_WIDTH 8
#include "engine/RegexReplace.h"

#include "platform/Text.h"
#include "platform/TextFile.h"

#include <pcre2.h>

#include <memory>
#include <utility>
#include <variant>
#include <vector>

namespace engine {

namespace {

struct CodeDeleter {
    void operator()(pcre2_code *code) const { pcre2_code_free(code); }
};
struct MatchDataDeleter {
    void operator()(pcre2_match_data *data) const { pcre2_match_data_free(data); }
};
using Code = std::unique_ptr<pcre2_code, CodeDeleter>;
using MatchData = std::unique_ptr<pcre2_match_data, MatchDataDeleter>;

struct Compiled {
    Code code;
    std::optional<PatternError> error;
};

Compiled Compile(std::string_view pattern, bool caseless, bool utf)
{
    const std::uint32_t options = (caseless ? PCRE2_CASELESS : 0u) | (utf ? PCRE2_UTF | PCRE2_UCP : 0u);
    int code = 0;
    PCRE2_SIZE offset = 0;
    Compiled compiled;
    compiled.code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options,
                                      &code, &offset, nullptr));
    if (!compiled.code) {
        PCRE2_UCHAR text[256];
        pcre2_get_error_message(code, text, sizeof text);
        const std::string_view before = pattern.substr(0, std::min<std::size_t>(offset, pattern.size()));
        compiled.error = PatternError{reinterpret_cast<const char *>(text), platform::CountChars(before)};
        return compiled;
    }
    pcre2_jit_compile(compiled.code.get(), PCRE2_JIT_COMPLETE); // the interpreter runs where there is no JIT
    return compiled;
}

// The compiled forms of the pattern last used on this thread: one for UTF-8
// titles, one for the others, each made when first needed.
class PatternCache {
public:
    const Compiled &Get(std::string_view pattern, bool caseless, bool utf)
    {
        if (pattern != m_pattern || caseless != m_caseless) {
            m_pattern.assign(pattern);
            m_caseless = caseless;
            m_forms[0].reset();
            m_forms[1].reset();
        }
        // A pattern that is not UTF-8 itself is matched byte for byte everywhere.
        const bool asUtf = utf && platform::IsValidUtf8(pattern);
        std::optional<Compiled> &form = m_forms[asUtf ? 1 : 0];
        if (!form)
            form = Compile(pattern, caseless, asUtf);
        return *form;
    }

    pcre2_match_data *MatchDataFor(const pcre2_code *code)
    {
        if (m_dataCode != code) {
            m_data.reset(pcre2_match_data_create_from_pattern(code, nullptr));
            m_dataCode = code;
        }
        return m_data.get();
    }

private:
    std::string m_pattern;
    bool m_caseless = false;
    std::optional<Compiled> m_forms[2];
    MatchData m_data;
    const pcre2_code *m_dataCode = nullptr;
};

PatternCache &Cache()
{
    thread_local PatternCache cache;
    return cache;
}

// A replacement cut into literal text and group references.
struct GroupRef {
    std::string name; // a number or a name
    int number = -1;  // the group it names in the compiled pattern, -1 for none
};
using Piece = std::variant<std::string, GroupRef>;

std::vector<Piece> ParseReplacement(std::string_view replacement)
{
    std::vector<Piece> pieces;
    std::string literal;
    const auto group = [&](std::string name) {
        if (!literal.empty())
            pieces.emplace_back(std::exchange(literal, {}));
        pieces.emplace_back(GroupRef{std::move(name)});
    };
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
        if (c == '$' && next == '$') {
            literal += '$';
            ++i;
        } else if (c == '$' && next >= '1' && next <= '9') {
            group(std::string(1, next));
            ++i;
        } else if (c == '$' && next == '{' && replacement.find('}', i + 2) != std::string_view::npos) {
            const std::size_t close = replacement.find('}', i + 2);
            group(std::string(replacement.substr(i + 2, close - i - 2)));
            i = close;
        } else {
            literal += c;
        }
    }
    if (!literal.empty())
        pieces.emplace_back(std::move(literal));
    return pieces;
}

int GroupNumber(const pcre2_code *code, const std::string &name)
{
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos && name.size() < 4)
        return std::stoi(name);
    return pcre2_substring_number_from_name(code, reinterpret_cast<PCRE2_SPTR>(name.c_str()));
}

void AppendGroup(std::string &out, std::string_view title, const PCRE2_SIZE *ovector, std::uint32_t pairs,
                 int number)
{
    if (number < 0 || static_cast<std::uint32_t>(number) >= pairs)
        return;
    const PCRE2_SIZE start = ovector[2 * number], end = ovector[2 * number + 1];
    if (start != PCRE2_UNSET && end >= start)
        out.append(title.substr(start, end - start));
}

} // namespace

std::optional<PatternError> CheckPattern(std::string_view pattern, bool caseless)
{
    return Cache().Get(pattern, caseless, true).error;
}

std::string RegexReplace(std::string_view title, std::string_view pattern, bool caseless,
                         std::string_view replacement,
                         const std::function<std::string(const std::string &)> &expandLiteral)
{
    const bool utf = platform::IsValidUtf8(title);
    PatternCache &cache = Cache();
    const Compiled &compiled = cache.Get(pattern, caseless, utf);
    if (!compiled.code)
        return std::string(title);
    const pcre2_code *code = compiled.code.get();
    pcre2_match_data *data = cache.MatchDataFor(code);

    // Literal text expanded and group names looked up once, not per match.
    std::vector<Piece> pieces = ParseReplacement(replacement);
    for (Piece &piece : pieces) {
        if (auto *literal = std::get_if<std::string>(&piece))
            *literal = expandLiteral(*literal);
        else
            std::get<GroupRef>(piece).number = GroupNumber(code, std::get<GroupRef>(piece).name);
    }

    std::string out;
    out.reserve(title.size() + replacement.size());
    const auto subject = reinterpret_cast<PCRE2_SPTR>(title.data());
    std::size_t from = 0; // the first byte not yet copied nor matched
    std::size_t at = 0;   // where the next match is looked for
    while (at <= title.size()) {
        if (pcre2_match(code, subject, title.size(), at, 0, data, nullptr) < 0)
            break;
        const PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(data);
        const std::uint32_t pairs = pcre2_get_ovector_count(data);
        const std::size_t start = ovector[0], end = ovector[1];
        out.append(title.substr(from, start - from));
        for (const Piece &piece : pieces) {
            if (const auto *literal = std::get_if<std::string>(&piece))
                out += *literal;
            else
                AppendGroup(out, title, ovector, pairs, std::get<GroupRef>(piece).number);
        }
        from = end;
        if (end > start) {
            at = end;
            continue;
        }
        // An empty match: the next character stays and the search goes on after it.
        if (end >= title.size())
            break;
        const std::size_t step = utf ? platform::CharLength(title, end) : 1;
        out.append(title.substr(end, step));
        from = at = end + step;
    }
    out.append(title.substr(std::min(from, title.size())));
    return out;
}

} // namespace engine
