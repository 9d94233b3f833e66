#include "engine/RenameSettings.h"

#include "platform/RegistryStore.h"
#include "platform/StoreValues.h"

#include <variant>

namespace {

using S = CRenameSettings;

struct NumberField {
    const char *name;
    int S::*member;
    int loadDefault;
};
struct TextField {
    const char *name;
    std::string S::*member;
};
// The time stamp of the unification, stored as 4 bytes.
struct TimeField {};

using Field = std::variant<NumberField, TextField, TimeField>;

constexpr char kTimeName[] = "FileTime";
constexpr std::size_t kTimeBytes = 4;

// Every persisted value in the order in which it is read and written.
const Field kFields[] = {
    NumberField{"RenameMode", &S::RenameMode, 0},
    NumberField{"ObjMode", &S::ObjMode, 0},
    NumberField{"IsFileTimeChange", &S::IsFileTimeChange, 0},
    NumberField{"IsFileAttribChange", &S::IsFileAttribChange, 0},
    TextField{"RenumStr1", &S::RenumStr1},
    TextField{"RenumStr2", &S::RenumStr2},
    NumberField{"IsRenumExtensionChange", &S::IsRenumExtensionChange, 0},
    TextField{"RenumExtension", &S::RenumExtension},
    NumberField{"NumberWidth", &S::NumberWidth, 3},
    NumberField{"NumberStart", &S::NumberStart, 1},
    NumberField{"NumberStep", &S::NumberStep, 1},
    NumberField{"IsIncrement", &S::IsIncrement, 0},
    TextField{"OrgStr1", &S::OrgStr1},
    TextField{"OrgStr2", &S::OrgStr2},
    NumberField{"IsOrgExtensionChange", &S::IsOrgExtensionChange, 0},
    TextField{"OrgExtension", &S::OrgExtension},
    NumberField{"IsCase", &S::IsCase, 0},
    NumberField{"FileCase", &S::FileCase, 0},
    NumberField{"ExtensionCase", &S::ExtensionCase, 0},
    NumberField{"IsConvNum", &S::IsConvNum, 0},
    NumberField{"ConvNum", &S::ConvNum, 0},
    NumberField{"IsConvAlpha", &S::IsConvAlpha, 0},
    NumberField{"ConvAlpha", &S::ConvAlpha, 0},
    NumberField{"IsConvKana", &S::IsConvKana, 0},
    NumberField{"ConvKana", &S::ConvKana, 0},
    TextField{"ReplaceStr1", &S::ReplaceStr1},
    TextField{"ReplaceStr2", &S::ReplaceStr2},
    NumberField{"IsReplaceCase", &S::IsReplaceCase, 0},
    NumberField{"ReplaceMode", &S::ReplaceMode, 0},
    NumberField{"ReplaceNum", &S::ReplaceNum, 2},
    NumberField{"ReplaceWidth", &S::ReplaceWidth, 1},
    TextField{"ReplaceStr", &S::ReplaceStr},
    NumberField{"InsertMode", &S::InsertMode, 0},
    NumberField{"InsertNum", &S::InsertNum, 2},
    TextField{"InsertStr", &S::InsertStr},
    TextField{"FormatStr", &S::FormatStr},
    TextField{"InputFile", &S::InputFile},
    TextField{"NumDirStr", &S::NumDirStr},
    NumberField{"NumDirWidth", &S::NumDirWidth, 1}, // one digit, unlike the constructed record
    NumberField{"NumDirStart", &S::NumDirStart, 1},
    NumberField{"NumDirStep", &S::NumDirStep, 1},
    NumberField{"NumDirCount", &S::NumDirCount, 1},
    TextField{"OutputFile", &S::OutputFile},
    NumberField{"SepaMode", &S::SepaMode, 0},
    NumberField{"RetMode", &S::RetMode, 0},
    NumberField{"EofMode", &S::EofMode, 0},
    TextField{"Sepa", &S::Sepa},
    NumberField{"IsAppend", &S::IsAppend, 0},
    NumberField{"IsDelete", &S::IsDelete, 0},
    NumberField{"FileCopyMode", &S::FileCopyMode, 0},
    TextField{"FileCopyDirectory", &S::FileCopyDirectory},
    TimeField{},
    NumberField{"AtrReadOnly", &S::AtrReadOnly, 0},
    NumberField{"AtrHidden", &S::AtrHidden, 0},
    NumberField{"AtrSystem", &S::AtrSystem, 0},
    NumberField{"AtrArchive", &S::AtrArchive, 0},
};
static_assert(std::size(kFields) == 56);

// The time as an unsigned 32-bit count of seconds, little-endian: times from
// 1970 to 2106 survive the trip, including those after 2038.
std::vector<unsigned char> EncodeTime(platform::TimeValue time)
{
    std::vector<unsigned char> data;
    platform::AppendInt32LE(data, static_cast<std::uint32_t>(time));
    return data;
}

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};

} // namespace

void CRenameSettings::LoadSettings(CRegistryStore &store, const std::string &key)
{
    store.Open(key);
    for (const Field &field : kFields) {
        std::visit(
            Overloaded{
                [&](const NumberField &f) { this->*f.member = store.ReadDword(f.name, f.loadDefault); },
                [&](const TextField &f) { this->*f.member = store.ReadString(f.name, ""); },
                [&](const TimeField &) {
                    FileTime = platform::CurrentTime();
                    const auto data = store.ReadBinary(kTimeName, EncodeTime(FileTime), kTimeBytes);
                    // A shorter value is not a time; the current time stays.
                    if (data.size() == kTimeBytes)
                        FileTime = platform::ReadUint32LE(data, 0);
                },
            },
            field);
    }
    store.Close();
}

void CRenameSettings::SaveSettings(CRegistryStore &store, const std::string &key) const
{
    store.Open(key);
    for (const Field &field : kFields) {
        std::visit(Overloaded{
                       [&](const NumberField &f) { store.WriteDword(f.name, this->*f.member); },
                       [&](const TextField &f) { store.WriteString(f.name, this->*f.member); },
                       [&](const TimeField &) { store.WriteBinary(kTimeName, EncodeTime(FileTime)); },
                   },
                   field);
    }
    store.Close();
}
