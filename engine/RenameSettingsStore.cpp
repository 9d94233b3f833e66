#include "engine/RenameSettings.h"

#include "platform/RegistryStore.h"
#include "platform/StoreFields.h"
#include "platform/StoreValues.h"

#include <iterator>

namespace {

using S = CRenameSettings;
using Field = platform::StoreField<S>;

// The persisted values in the order in which they are read and written; the
// time stamp comes between the two parts.
const Field kFieldsBeforeTime[] = {
    {"RenameMode", &S::RenameMode},
    {"ObjMode", &S::ObjMode},
    {"IsFileTimeChange", &S::IsFileTimeChange},
    {"IsFileAttribChange", &S::IsFileAttribChange},
    {"RenumStr1", &S::RenumStr1},
    {"RenumStr2", &S::RenumStr2},
    {"IsRenumExtensionChange", &S::IsRenumExtensionChange},
    {"RenumExtension", &S::RenumExtension},
    {"NumberWidth", &S::NumberWidth},
    {"NumberStart", &S::NumberStart},
    {"NumberStep", &S::NumberStep},
    {"IsIncrement", &S::IsIncrement},
    {"OrgStr1", &S::OrgStr1},
    {"OrgStr2", &S::OrgStr2},
    {"IsOrgExtensionChange", &S::IsOrgExtensionChange},
    {"OrgExtension", &S::OrgExtension},
    {"IsCase", &S::IsCase},
    {"FileCase", &S::FileCase},
    {"ExtensionCase", &S::ExtensionCase},
    {"IsConvNum", &S::IsConvNum},
    {"ConvNum", &S::ConvNum},
    {"IsConvAlpha", &S::IsConvAlpha},
    {"ConvAlpha", &S::ConvAlpha},
    {"IsConvKana", &S::IsConvKana},
    {"ConvKana", &S::ConvKana},
    {"ReplaceStr1", &S::ReplaceStr1},
    {"ReplaceStr2", &S::ReplaceStr2},
    {"IsReplaceCase", &S::IsReplaceCase},
    {"ReplaceMode", &S::ReplaceMode},
    {"ReplaceNum", &S::ReplaceNum},
    {"ReplaceWidth", &S::ReplaceWidth},
    {"ReplaceStr", &S::ReplaceStr},
    {"InsertMode", &S::InsertMode},
    {"InsertNum", &S::InsertNum},
    {"InsertStr", &S::InsertStr},
    {"FormatStr", &S::FormatStr},
    {"InputFile", &S::InputFile},
    {"NumDirStr", &S::NumDirStr},
    {"NumDirWidth", &S::NumDirWidth},
    {"NumDirStart", &S::NumDirStart},
    {"NumDirStep", &S::NumDirStep},
    {"NumDirCount", &S::NumDirCount},
    {"OutputFile", &S::OutputFile},
    {"SepaMode", &S::SepaMode},
    {"RetMode", &S::RetMode},
    {"EofMode", &S::EofMode},
    {"Sepa", &S::Sepa},
    {"IsAppend", &S::IsAppend},
    {"IsDelete", &S::IsDelete},
    {"FileCopyMode", &S::FileCopyMode},
    {"FileCopyDirectory", &S::FileCopyDirectory},
};
const Field kFieldsAfterTime[] = {
    {"AtrReadOnly", &S::AtrReadOnly},
    {"AtrHidden", &S::AtrHidden},
    {"AtrSystem", &S::AtrSystem},
    {"AtrArchive", &S::AtrArchive},
};
static_assert(std::size(kFieldsBeforeTime) + 1 + std::size(kFieldsAfterTime) == 56);

constexpr char kTimeName[] = "FileTime";
constexpr std::size_t kTimeBytes = 4;

// Values that a set without them gets: those of a new record, except that
// numbered directories start with one digit.
CRenameSettings LoadDefaults()
{
    CRenameSettings defaults;
    defaults.NumDirWidth = 1;
    return defaults;
}

// The time as an unsigned 32-bit count of seconds, little-endian: times from
// 1970 to 2106 survive the trip, including those after 2038.
std::vector<unsigned char> EncodeTime(platform::TimeValue time)
{
    std::vector<unsigned char> data;
    platform::AppendInt32LE(data, static_cast<std::uint32_t>(time));
    return data;
}

} // namespace

void CRenameSettings::LoadSettings(CRegistryStore &store, const std::string &key)
{
    const CRenameSettings defaults = LoadDefaults();
    store.Open(key);
    platform::ReadStoreFields(store, std::begin(kFieldsBeforeTime), std::end(kFieldsBeforeTime), *this,
                              defaults);
    FileTime = platform::CurrentTime();
    const auto time = store.ReadBinary(kTimeName, EncodeTime(FileTime), kTimeBytes);
    if (time.size() == kTimeBytes) // a shorter value is not a time: the current time stays
        FileTime = platform::ReadUint32LE(time, 0);
    platform::ReadStoreFields(store, std::begin(kFieldsAfterTime), std::end(kFieldsAfterTime), *this,
                              defaults);
    store.Close();
}

void CRenameSettings::SaveSettings(CRegistryStore &store, const std::string &key) const
{
    store.Open(key);
    platform::WriteStoreFields(store, std::begin(kFieldsBeforeTime), std::end(kFieldsBeforeTime), *this);
    store.WriteBinary(kTimeName, EncodeTime(FileTime));
    platform::WriteStoreFields(store, std::begin(kFieldsAfterTime), std::end(kFieldsAfterTime), *this);
    store.Close();
}
