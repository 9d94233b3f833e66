#include "cli/SettingsAssignment.h"

#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "platform/Text.h"
#include "platform/TimeFormat.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <limits>

namespace cli {

enum class FieldKind { Integer, Text, Time };

struct SettingsField {
    std::string_view name;
    FieldKind kind;
    int CRenameSettings::*integer = nullptr;
    std::string CRenameSettings::*text = nullptr;
    platform::TimeValue CRenameSettings::*time = nullptr;
    int minimum = 0;
    int maximum = 0;
};

namespace {

constexpr SettingsField Int(std::string_view name, int CRenameSettings::*member, int minimum, int maximum)
{
    return {name, FieldKind::Integer, member, nullptr, nullptr, minimum, maximum};
}
constexpr SettingsField Flag(std::string_view name, int CRenameSettings::*member)
{
    return Int(name, member, 0, 1);
}
constexpr SettingsField Text(std::string_view name, std::string CRenameSettings::*member)
{
    return {name, FieldKind::Text, nullptr, member, nullptr, 0, 0};
}

// The ranges are those the mode panels and the main window keep; numbers
// typed into the panels' start and count fields stop at 999999.
constexpr int kMaxTyped = 999999;

using S = CRenameSettings;
constexpr std::array kFields = {
    Int("RenameMode", &S::RenameMode, 0, 11),
    Int("ObjMode", &S::ObjMode, 0, 1),
    Flag("IsFileTimeChange", &S::IsFileTimeChange),
    Flag("IsFileAttribChange", &S::IsFileAttribChange),
    Text("RenumStr1", &S::RenumStr1),
    Text("RenumStr2", &S::RenumStr2),
    Flag("IsRenumExtensionChange", &S::IsRenumExtensionChange),
    Text("RenumExtension", &S::RenumExtension),
    Int("NumberWidth", &S::NumberWidth, 1, 20),
    Int("NumberStart", &S::NumberStart, 0, kMaxTyped),
    Int("NumberStep", &S::NumberStep, 1, 20),
    Flag("IsIncrement", &S::IsIncrement),
    Text("OrgStr1", &S::OrgStr1),
    Text("OrgStr2", &S::OrgStr2),
    Flag("IsOrgExtensionChange", &S::IsOrgExtensionChange),
    Text("OrgExtension", &S::OrgExtension),
    Flag("IsCase", &S::IsCase),
    Int("FileCase", &S::FileCase, 0, 3),
    Int("ExtensionCase", &S::ExtensionCase, 0, 3),
    Flag("IsConvNum", &S::IsConvNum),
    Int("ConvNum", &S::ConvNum, 0, 1),
    Flag("IsConvAlpha", &S::IsConvAlpha),
    Int("ConvAlpha", &S::ConvAlpha, 0, 1),
    Flag("IsConvKana", &S::IsConvKana),
    Int("ConvKana", &S::ConvKana, 0, 1),
    Text("ReplaceStr1", &S::ReplaceStr1),
    Text("ReplaceStr2", &S::ReplaceStr2),
    Flag("IsReplaceCase", &S::IsReplaceCase),
    Int("ReplaceMode", &S::ReplaceMode, 0, 3),
    Int("ReplaceNum", &S::ReplaceNum, 2, 99),
    Int("ReplaceWidth", &S::ReplaceWidth, 1, 99),
    Text("ReplaceStr", &S::ReplaceStr),
    Int("InsertMode", &S::InsertMode, 0, 3),
    Int("InsertNum", &S::InsertNum, 2, 99),
    Text("InsertStr", &S::InsertStr),
    Text("FormatStr", &S::FormatStr),
    Text("InputFile", &S::InputFile),
    Text("NumDirStr", &S::NumDirStr),
    Int("NumDirWidth", &S::NumDirWidth, 1, 20),
    Int("NumDirStart", &S::NumDirStart, 0, kMaxTyped),
    Int("NumDirStep", &S::NumDirStep, 1, 20),
    Int("NumDirCount", &S::NumDirCount, 0, kMaxTyped),
    Text("OutputFile", &S::OutputFile),
    Int("SepaMode", &S::SepaMode, 0, 2),
    Int("RetMode", &S::RetMode, 0, 3),
    Int("EofMode", &S::EofMode, 0, 2),
    Text("Sepa", &S::Sepa),
    Flag("IsAppend", &S::IsAppend),
    Flag("IsDelete", &S::IsDelete),
    Int("FileCopyMode", &S::FileCopyMode, 0, 2),
    Text("FileCopyDirectory", &S::FileCopyDirectory),
    SettingsField{"FileTime", FieldKind::Time, nullptr, nullptr, &S::FileTime, 0, 0},
    Int("AtrReadOnly", &S::AtrReadOnly, 0, 2),
    Int("AtrHidden", &S::AtrHidden, 0, 2),
    Int("AtrSystem", &S::AtrSystem, 0, 2),
    Int("AtrArchive", &S::AtrArchive, 0, 2),
};

const SettingsField *FindField(std::string_view name)
{
    for (const SettingsField &field : kFields)
        if (platform::EqualsIgnoringAsciiCase(field.name, name))
            return &field;
    return nullptr;
}

// The mode combo's separator rows and its command row are never a mode.
bool IsSelectableMode(int mode)
{
    return mode == kModeNumberedDirs || mode == kModeConcatenate || (mode >= 0 && mode <= kModeFromFile);
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

std::string Quoted(std::string_view text)
{
    return "「" + std::string(text) + "」";
}

[[noreturn]] void RefuseValue(const SettingsField &field, std::string_view value, const std::string &expected)
{
    throw UsageError(std::string(field.name) + " の値が正しくありません: " + Quoted(value) + "（" + expected +
                     "）");
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

SettingsAssignment::SettingsAssignment(const SettingsField &field, std::string text, std::int64_t number)
    : m_field(&field), m_text(std::move(text)), m_number(number)
{
}

SettingsAssignment SettingsAssignment::Parse(std::string_view text)
{
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        throw UsageError("--set には 項目名=値 を指定してください: " + Quoted(text));
    std::string_view name = text.substr(0, equals);
    std::string_view value = text.substr(equals + 1);
    const SettingsField *field = FindField(name);
    if (!field)
        throw UsageError("不明な設定項目です: " + Quoted(name));

    switch (field->kind) {
    case FieldKind::Text:
        return SettingsAssignment(*field, std::string(value), 0);
    case FieldKind::Time: {
        platform::TimeValue time = 0;
        if (!ParseLocalTime(value, time))
            RefuseValue(*field, value, "2024-01-02T03:04:05 の形の、存在する日時を指定してください");
        return SettingsAssignment(*field, {}, time);
    }
    case FieldKind::Integer:
        break;
    }
    std::int64_t number = 0;
    std::string range = std::to_string(field->minimum) + "～" + std::to_string(field->maximum) + " の整数";
    if (!ParseDecimal(value, number) || number < field->minimum || number > field->maximum)
        RefuseValue(*field, value, range + "を指定してください");
    if (field->integer == &CRenameSettings::RenameMode && !IsSelectableMode(static_cast<int>(number)))
        RefuseValue(*field, value, "0～7、9、11 のいずれかを指定してください");
    return SettingsAssignment(*field, {}, number);
}

void SettingsAssignment::ApplyTo(CRenameSettings &settings) const
{
    switch (m_field->kind) {
    case FieldKind::Integer:
        settings.*(m_field->integer) = static_cast<int>(m_number);
        break;
    case FieldKind::Text:
        settings.*(m_field->text) = m_text;
        break;
    case FieldKind::Time:
        settings.*(m_field->time) = m_number;
        break;
    }
}

std::string_view SettingsAssignment::FieldName() const
{
    return m_field->name;
}

std::vector<std::string_view> SettingsFieldNames()
{
    std::vector<std::string_view> names;
    for (const SettingsField &field : kFields)
        names.push_back(field.name);
    return names;
}

} // namespace cli
