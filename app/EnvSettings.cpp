#include "app/EnvSettings.h"

#include "platform/DirectoryList.h"
#include "platform/RegistryStore.h"
#include "platform/StoreFields.h"
#include "platform/Translation.h"

#include <QString>

#include <algorithm>
#include <iterator>

namespace {

constexpr char kKey[] = "Environment";

using E = CEnvSettings;

enum class Group { First, Disp, Environment, StartUp, ExportList };

struct EnvField {
    Group group;
    platform::StoreField<E> field;
};

// The values in record order. The filters are read between FilterMode and
// DDMode and belong to the group StartUp.
const EnvField kFieldsBeforeFilters[] = {
    {Group::First, {"FirstCustom", &E::FirstCustom}},   {Group::Disp, {"FileCharMode", &E::FileCharMode}},
    {Group::Disp, {"SrcListType", &E::SrcListType}},    {Group::Disp, {"FileSizeType", &E::FileSizeType}},
    {Group::Disp, {"SelectMode", &E::SelectMode}},      {Group::Disp, {"SortMode", &E::SortMode}},
    {Group::Disp, {"RenamePath", &E::RenamePath}},      {Group::Disp, {"IsGrid", &E::IsGrid}},
    {Group::Disp, {"IsSortDown", &E::IsSortDown}},      {Group::Disp, {"IsSortNum", &E::IsSortNum}},
    {Group::Disp, {"IsDestSort", &E::IsDestSort}},      {Group::Environment, {"IsAsk", &E::IsAsk}},
    {Group::Environment, {"IsDispLog", &E::IsDispLog}}, {Group::Environment, {"FilterMode", &E::FilterMode}},
};
const EnvField kFieldsAfterFilters[] = {
    {Group::Environment, {"DDMode", &E::DDMode}},
    {Group::Environment, {"SelDirMode", &E::SelDirMode}},
    {Group::Environment, {"HelpMode", &E::HelpMode}},
    {Group::StartUp, {"DataMode", &E::DataMode}},
    {Group::StartUp, {"WindowMode", &E::WindowMode}},
    {Group::StartUp, {"DirectoryMode", &E::DirectoryMode}},
    {Group::StartUp, {"DefDirectory", &E::DefDirectory}},
    {Group::StartUp, {"SplitMode", &E::SplitMode}},
    {Group::StartUp, {"IsMultiExec", &E::IsMultiExec}},
    {Group::ExportList, {"IsFileName", &E::IsFileName}},
    {Group::ExportList, {"IsFileSize", &E::IsFileSize}},
    {Group::ExportList, {"IsFileType", &E::IsFileType}},
    {Group::ExportList, {"IsFileTime", &E::IsFileTime}},
    {Group::ExportList, {"IsFileAttrib", &E::IsFileAttrib}},
    {Group::ExportList, {"IsFullPath", &E::IsFullPath}},
    {Group::ExportList, {"IsNoExtension", &E::IsNoExtension}},
    {Group::ExportList, {"IsCoat", &E::IsCoat}},
    {Group::ExportList, {"IsAddStrF", &E::IsAddStrF}},
    {Group::ExportList, {"IsAddStrB", &E::IsAddStrB}},
};

using F = FilterRecord;
// Stored as "Filter.<index>.<name>".
const platform::StoreField<F> kFilterFields[] = {
    {"Title", &F::Title},
    {"Filter", &F::Filter},
    {"IsHideDir", &F::IsHideDir},
    {"IsNoReadOnly", &F::IsNoReadOnly},
    {"IsNoHidden", &F::IsNoHidden},
    {"IsNoSystem", &F::IsNoSystem},
    {"IsNoArchive", &F::IsNoArchive},
};

const char *const kFixedTitles[] = {platform::TrMark("app", "--- 任意フィルタ ---"),
                                    platform::TrMark("app", "--- フィルタ解除 ---")};

std::string FilterValueName(std::size_t index, const char *field)
{
    return "Filter." + std::to_string(index) + "." + field;
}

FilterRecord DefaultFilter(std::size_t index)
{
    FilterRecord filter;
    filter.Title = platform::Fill(platform::Tr("app", "フィルタ %1"), {std::to_string(index + 1)});
    return filter;
}

void WriteFilter(CRegistryStore &store, const CEnvSettings &env, std::size_t index, bool withTitle)
{
    for (const auto &f : kFilterFields) {
        if (withTitle || std::string_view(f.name) != "Title")
            platform::WriteStoreField(store, FilterValueName(index, f.name), f.member, env.Filters[index]);
    }
}

void WriteGroup(CRegistryStore &store, const CEnvSettings &env, Group group)
{
    for (const EnvField &f : kFieldsBeforeFilters)
        if (f.group == group)
            platform::WriteStoreField(store, f.field.name, f.field.member, env);
    if (group == Group::StartUp)
        for (std::size_t i = 0; i < CEnvSettings::kFilterCount; ++i)
            WriteFilter(store, env, i, true);
    for (const EnvField &f : kFieldsAfterFilters)
        if (f.group == group)
            platform::WriteStoreField(store, f.field.name, f.field.member, env);
}

} // namespace

std::uint32_t FilterRecord::HideMask() const
{
    std::uint32_t mask = 0;
    if (IsNoReadOnly)
        mask |= platform::kAttrReadOnly;
    if (IsNoHidden)
        mask |= platform::kAttrHidden;
    if (IsNoSystem)
        mask |= platform::kAttrSystem;
    if (IsNoArchive)
        mask |= platform::kAttrArchive;
    return mask;
}

CEnvSettings::CEnvSettings()
{
    for (std::size_t i = 0; i < kFilterCount; ++i)
        Filters[i] = DefaultFilter(i);
    Filters[kFreeFilterIndex].Title = platform::Tr("app", kFixedTitles[0]);
    Filters[kNoFilterIndex].Title = platform::Tr("app", kFixedTitles[1]);
}

void CEnvSettings::Load()
{
    const CEnvSettings defaults;
    CRegistryStore store;
    store.Open(kKey);
    for (const EnvField &f : kFieldsBeforeFilters)
        platform::ReadStoreField(store, f.field.name, f.field.member, *this, defaults);
    for (std::size_t i = 0; i < kFilterCount; ++i) {
        const FilterRecord filterDefaults = DefaultFilter(i);
        for (const auto &f : kFilterFields)
            platform::ReadStoreField(store, FilterValueName(i, f.name), f.member, Filters[i], filterDefaults);
    }
    for (const EnvField &f : kFieldsAfterFilters)
        platform::ReadStoreField(store, f.field.name, f.field.member, *this, defaults);
    store.Close();
    Filters[kFreeFilterIndex].Title = platform::Tr("app", kFixedTitles[0]);
    Filters[kNoFilterIndex].Title = platform::Tr("app", kFixedTitles[1]);
}

bool CEnvSettings::Save(const std::string &group) const
{
    static const std::pair<const char *, Group> kGroups[] = {
        {"First", Group::First},
        {"Disp", Group::Disp},
        {"Environment", Group::Environment},
        {"StartUp", Group::StartUp},
        {"ExportList", Group::ExportList},
    };
    const QString wanted = QString::fromUtf8(group.data(), qsizetype(group.size()));
    const bool all = wanted.compare(QLatin1String("All"), Qt::CaseInsensitive) == 0;
    CRegistryStore store;
    bool known = false;
    for (const auto &[name, id] : kGroups) {
        if (all || wanted.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            if (!known)
                store.Open(kKey);
            WriteGroup(store, *this, id);
            known = true;
        }
    }
    return known && store.Close();
}

bool CEnvSettings::SaveFreeFilter() const
{
    CRegistryStore store;
    store.Open(kKey);
    WriteFilter(store, *this, kFreeFilterIndex, false);
    return store.Close();
}

void CEnvSettings::CopyFrom(const CEnvSettings &other)
{
    *this = other;
}

SortKey CEnvSettings::ListSortKey() const
{
    return static_cast<SortKey>(
        std::clamp(SortMode, static_cast<int>(SortKey::Name), static_cast<int>(SortKey::Attributes)));
}

void CEnvSettings::SetListSortKey(SortKey key)
{
    SortMode = static_cast<int>(key);
}
