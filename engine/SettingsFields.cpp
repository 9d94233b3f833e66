#include "engine/SettingsFields.h"

#include "engine/RenameSettings.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace engine {

namespace {

using S = CRenameSettings;

template <auto Member> int ReadMember(const S &settings)
{
    return static_cast<int>(settings.*Member);
}

template <auto Member> void WriteMember(S &settings, int value)
{
    using Value = std::remove_cvref_t<decltype(settings.*Member)>;
    if constexpr (std::is_same_v<Value, bool>)
        settings.*Member = value != 0;
    else
        settings.*Member = static_cast<Value>(value);
}

template <auto Member>
constexpr SettingsField Number(std::string_view name, int minimum, int maximum, int initial)
{
    return {
        name, FieldKind::Number, minimum, maximum, {}, initial, &ReadMember<Member>, &WriteMember<Member>};
}

// A choice whose values run from 0 to last.
template <auto Member, class Enum> constexpr SettingsField Choice(std::string_view name, Enum last)
{
    return {
        name, FieldKind::Choice, 0, static_cast<int>(last), {}, 0, &ReadMember<Member>, &WriteMember<Member>};
}

template <auto Member> constexpr SettingsField Flag(std::string_view name)
{
    return {name, FieldKind::Flag, 0, 1, {}, 0, &ReadMember<Member>, &WriteMember<Member>};
}

constexpr SettingsField Text(std::string_view name, std::string S::*member)
{
    return {name, FieldKind::Text, 0, 0, {}, 0, nullptr, nullptr, member};
}

constexpr auto kRenameKindValues = [] {
    std::array<int, std::size(kRenameKinds)> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int>(kRenameKinds[i]);
    return values;
}();

constexpr SettingsField RenameKindField()
{
    return {"RenameMode",
            FieldKind::Choice,
            kRenameKindValues.front(),
            kRenameKindValues.back(),
            kRenameKindValues,
            static_cast<int>(RenameKind::Renumber),
            &ReadMember<&S::RenameMode>,
            &WriteMember<&S::RenameMode>};
}

// Numbers typed into the panels' start and count fields stop at 999999.
constexpr int kMaxTyped = 999999;

constexpr SettingsField kFields[] = {
    RenameKindField(),
    Choice<&S::ObjMode>("ObjMode", ObjectKind::Folders),
    Flag<&S::IsFileTimeChange>("IsFileTimeChange"),
    Flag<&S::IsFileAttribChange>("IsFileAttribChange"),
    Text("RenumStr1", &S::RenumStr1),
    Text("RenumStr2", &S::RenumStr2),
    Flag<&S::IsRenumExtensionChange>("IsRenumExtensionChange"),
    Text("RenumExtension", &S::RenumExtension),
    Number<&S::NumberWidth>("NumberWidth", 1, 20, 3),
    Number<&S::NumberStart>("NumberStart", 0, kMaxTyped, 1),
    Number<&S::NumberStep>("NumberStep", 1, 20, 1),
    Flag<&S::IsIncrement>("IsIncrement"),
    Text("OrgStr1", &S::OrgStr1),
    Text("OrgStr2", &S::OrgStr2),
    Flag<&S::IsOrgExtensionChange>("IsOrgExtensionChange"),
    Text("OrgExtension", &S::OrgExtension),
    Flag<&S::IsCase>("IsCase"),
    Choice<&S::FileCase>("FileCase", LetterCase::Capitalised),
    Choice<&S::ExtensionCase>("ExtensionCase", LetterCase::Capitalised),
    Flag<&S::IsConvNum>("IsConvNum"),
    Choice<&S::ConvNum>("ConvNum", CharWidth::Full),
    Flag<&S::IsConvAlpha>("IsConvAlpha"),
    Choice<&S::ConvAlpha>("ConvAlpha", CharWidth::Full),
    Flag<&S::IsConvKana>("IsConvKana"),
    Choice<&S::ConvKana>("ConvKana", CharWidth::Full),
    Text("ReplaceStr1", &S::ReplaceStr1),
    Text("ReplaceStr2", &S::ReplaceStr2),
    Flag<&S::IsReplaceCase>("IsReplaceCase"),
    Flag<&S::IsReplaceRegex>("IsReplaceRegex"),
    Choice<&S::ReplaceMode>("ReplaceMode", RangePosition::FromBack),
    Number<&S::ReplaceNum>("ReplaceNum", 2, 99, 2),
    Number<&S::ReplaceWidth>("ReplaceWidth", 1, 99, 1),
    Text("ReplaceStr", &S::ReplaceStr),
    Choice<&S::InsertMode>("InsertMode", InsertPosition::FromBack),
    Number<&S::InsertNum>("InsertNum", 2, 99, 2),
    Text("InsertStr", &S::InsertStr),
    Text("FormatStr", &S::FormatStr),
    Choice<&S::DateSource>("DateSource", TimeSource::Taken),
    Text("InputFile", &S::InputFile),
    Text("NumDirStr", &S::NumDirStr),
    Number<&S::NumDirWidth>("NumDirWidth", 1, 20, 1),
    Number<&S::NumDirStart>("NumDirStart", 0, kMaxTyped, 1),
    Number<&S::NumDirStep>("NumDirStep", 1, 20, 1),
    Number<&S::NumDirCount>("NumDirCount", 0, kMaxTyped, 1),
    Text("OutputFile", &S::OutputFile),
    Choice<&S::SepaMode>("SepaMode", SeparatorPlacement::EachFile),
    Choice<&S::RetMode>("RetMode", LineEnds::CrLf),
    Choice<&S::EofMode>("EofMode", EofMark::Removed),
    Text("Sepa", &S::Sepa),
    Flag<&S::IsAppend>("IsAppend"),
    Flag<&S::IsDelete>("IsDelete"),
    Choice<&S::FileCopyMode>("FileCopyMode", OutputKind::Copy),
    Text("FileCopyDirectory", &S::FileCopyDirectory),
    {"FileTime", FieldKind::Time, 0, 0, {}, 0, nullptr, nullptr, nullptr, &S::FileTime},
    Choice<&S::AtrReadOnly>("AtrReadOnly", AttributeChange::Keep),
    Choice<&S::AtrHidden>("AtrHidden", AttributeChange::Keep),
    Choice<&S::AtrSystem>("AtrSystem", AttributeChange::Keep),
    Choice<&S::AtrArchive>("AtrArchive", AttributeChange::Keep),
};
static_assert(std::size(kFields) == 58);

} // namespace

bool SettingsField::IsInteger() const
{
    return read != nullptr;
}

bool SettingsField::Allows(int value) const
{
    if (value < minimum || value > maximum)
        return false;
    return values.empty() || std::find(values.begin(), values.end(), value) != values.end();
}

std::span<const SettingsField> SettingsFields()
{
    return kFields;
}

const SettingsField *FindSettingsField(std::string_view name)
{
    for (const SettingsField &field : kFields)
        if (platform::EqualsIgnoringAsciiCase(field.name, name))
            return &field;
    return nullptr;
}

void ApplyDefaults(CRenameSettings &settings)
{
    for (const SettingsField &field : kFields) {
        if (field.IsInteger())
            field.write(settings, field.defaultValue);
        else if (field.text)
            (settings.*field.text).clear();
        else
            settings.*field.time = platform::CurrentTime();
    }
}

void ResetUnknownChoices(CRenameSettings &settings)
{
    for (const SettingsField &field : kFields)
        if (field.kind == FieldKind::Choice && !field.Allows(field.read(settings)))
            field.write(settings, field.defaultValue);
}

} // namespace engine
