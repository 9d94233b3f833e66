#include "cli/SettingsAssignment.h"

#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "engine/SettingsFields.h"
#include "platform/TimeFormat.h"
#include "platform/Translation.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <span>

namespace cli {

namespace {

// "0～7": the numbers from first to last.
std::string Range(std::int64_t first, std::int64_t last)
{
    return platform::Fill(platform::Tr("cli", "%1～%2"), {std::to_string(first), std::to_string(last)});
}

// "0～7、9、11": the values a field takes, runs of consecutive ones joined.
std::string ValueList(std::span<const int> values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size();) {
        std::size_t last = i;
        while (last + 1 < values.size() && values[last + 1] == values[last] + 1)
            ++last;
        const std::string run = last > i ? Range(values[i], values[last]) : std::to_string(values[i]);
        text = text.empty() ? run : platform::Fill(platform::Tr("cli", "%1、%2"), {text, run});
        i = last + 1;
    }
    return text;
}

bool ParseDecimal(std::string_view text, std::int64_t &value)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    auto [rest, error] = std::from_chars(begin, end, value);
    return begin != end && error == std::errc() && rest == end;
}

[[noreturn]] void RefuseValue(const engine::SettingsField &field, std::string_view value,
                              const std::string &expected)
{
    throw UsageError(platform::Fill(platform::Tr("cli", "%1 の値が正しくありません: 「%2」（%3）"),
                                    {field.name, value, expected}));
}

bool ReadNumber(std::string_view text, std::size_t &pos, std::size_t digits, int &value)
{
    if (pos + digits > text.size())
        return false;
    value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        char c = text[pos + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    pos += digits;
    return true;
}

bool Expect(std::string_view text, std::size_t &pos, std::string_view allowed)
{
    if (pos >= text.size() || allowed.find(text[pos]) == std::string_view::npos)
        return false;
    ++pos;
    return true;
}

} // namespace

bool ParseLocalTime(std::string_view text, platform::TimeValue &result)
{
    int year, month, day, hour, minute, second;
    std::size_t pos = 0;
    if (!(ReadNumber(text, pos, 4, year) && Expect(text, pos, "-") && ReadNumber(text, pos, 2, month) &&
          Expect(text, pos, "-") && ReadNumber(text, pos, 2, day) && Expect(text, pos, "T ") &&
          ReadNumber(text, pos, 2, hour) && Expect(text, pos, ":") && ReadNumber(text, pos, 2, minute) &&
          Expect(text, pos, ":") && ReadNumber(text, pos, 2, second) && pos == text.size()))
        return false;
    platform::TimeValue t = 0;
    if (!platform::MakeLocalTime(year, month, day, hour, minute, second, t))
        return false;
    // The store keeps the time as an unsigned 32-bit count of seconds.
    if (t < 0 || static_cast<std::uint64_t>(t) > std::numeric_limits<std::uint32_t>::max())
        return false;
    result = t;
    return true;
}

SettingsAssignment::SettingsAssignment(const engine::SettingsField &field, std::string text,
                                       std::int64_t number)
    : m_field(&field), m_text(std::move(text)), m_number(number)
{
}

SettingsAssignment SettingsAssignment::Parse(std::string_view text)
{
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        throw UsageError(
            platform::Fill(platform::Tr("cli", "--set には 項目名=値 を指定してください: 「%1」"), {text}));
    std::string_view name = text.substr(0, equals);
    std::string_view value = text.substr(equals + 1);
    const engine::SettingsField *field = engine::FindSettingsField(name);
    if (!field)
        throw UsageError(platform::Fill(platform::Tr("cli", "不明な設定項目です: 「%1」"), {name}));

    switch (field->kind) {
    case engine::FieldKind::Text:
        return SettingsAssignment(*field, std::string(value), 0);
    case engine::FieldKind::Time: {
        platform::TimeValue time = 0;
        if (!ParseLocalTime(value, time))
            RefuseValue(*field, value,
                        platform::Tr("cli", "2024-01-02T03:04:05 の形の、存在する日時を指定してください"));
        return SettingsAssignment(*field, {}, time);
    }
    case engine::FieldKind::Number:
    case engine::FieldKind::Choice:
    case engine::FieldKind::Flag:
        break;
    }
    std::int64_t number = 0;
    if (!ParseDecimal(value, number) || number < field->minimum || number > field->maximum)
        RefuseValue(*field, value,
                    platform::Fill(platform::Tr("cli", "%1 の整数を指定してください"),
                                   {Range(field->minimum, field->maximum)}));
    if (!field->Allows(static_cast<int>(number)))
        RefuseValue(*field, value,
                    platform::Fill(platform::Tr("cli", "%1 のいずれかを指定してください"),
                                   {ValueList(field->values)}));
    return SettingsAssignment(*field, {}, number);
}

void SettingsAssignment::ApplyTo(CRenameSettings &settings) const
{
    if (m_field->IsInteger())
        m_field->write(settings, static_cast<int>(m_number));
    else if (m_field->text)
        settings.*(m_field->text) = m_text;
    else
        settings.*(m_field->time) = m_number;
}

std::string_view SettingsAssignment::FieldName() const
{
    return m_field->name;
}

} // namespace cli
