#include "app/EnvSettings.h"

#include "platform/DirectoryList.h"
#include "platform/RegistryStore.h"
#include "support/StoreContents.h"

#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;

namespace {

platform::StoredValues StoredEnvironment()
{
    return testing_support::StoredValuesOfKey("Environment");
}

std::int64_t Number(const platform::StoredValues &values, const std::string &name)
{
    const auto it = values.find(name);
    return it == values.end() ? -999 : it->second.number;
}

std::string Text(const platform::StoredValues &values, const std::string &name)
{
    const auto it = values.find(name);
    return it == values.end() ? "<missing>" : it->second.bytes;
}

// An environment record with every value off its default.
CEnvSettings Changed()
{
    CEnvSettings env;
    env.FirstCustom = 4;
    env.FileCharMode = 2;
    env.IsDestSort = 1;
    env.SelDirMode = 0;
    env.DefDirectory = "/srv/写真";
    env.IsFileName = 0;
    env.Filters[0].Filter = "*.jpg;*.png";
    env.Filters[5].Filter = "*.txt";
    env.Filters[5].IsNoHidden = 1;
    return env;
}

} // namespace

TEST(EnvSettingsTest, FirstStartGivesEveryValueItsDefault)
{
    IsolatedUserDirs dirs;
    CEnvSettings env;
    env.SortMode = 4; // overwritten by the load
    env.Load();
    EXPECT_EQ(env.SortMode, 0);
    EXPECT_EQ(env.SelDirMode, 1);
    EXPECT_EQ(env.IsFullPath, 1);
    EXPECT_EQ(env.IsCoat, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(env.Filters[i].Title, "フィルタ " + std::to_string(i + 1));
    EXPECT_EQ(env.Filters[5].Title, "--- 任意フィルタ ---");
    EXPECT_EQ(env.Filters[6].Title, "--- フィルタ解除 ---");
    EXPECT_EQ(env.Filters[6].Filter, "");
    EXPECT_EQ(env.Filters[6].HideMask(), 0u);
    EXPECT_EQ(env.DefDirectory, "");
}

TEST(EnvSettingsTest, LoadKeepsStoredValuesButNotTheFixedTitles)
{
    IsolatedUserDirs dirs;
    {
        CRegistryStore store;
        store.Open("environment");
        store.WriteDword("SortMode", 2);
        store.WriteString("Filter.0.Title", "画像");
        store.WriteString("Filter.5.Title", "mine");
        store.WriteString("Filter.6.Title", "mine too");
        store.WriteString("DefDirectory", std::string(13000, 'd'));
        store.Close();
    }
    CEnvSettings env;
    env.Load();
    EXPECT_EQ(env.SortMode, 2);
    EXPECT_EQ(env.Filters[0].Title, "画像");
    EXPECT_EQ(env.Filters[5].Title, "--- 任意フィルタ ---");
    EXPECT_EQ(env.Filters[6].Title, "--- フィルタ解除 ---");
    // However long, a stored text comes back whole.
    EXPECT_EQ(env.DefDirectory, std::string(13000, 'd'));
}

TEST(EnvSettingsTest, SortModeIsTheListsSortKeyAsStored)
{
    CEnvSettings env;
    env.SetListSortKey(SortKey::Attributes);
    EXPECT_EQ(env.SortMode, 4);
    // A stored value out of range gives the nearest key the list has.
    env.SortMode = 50;
    EXPECT_EQ(env.ListSortKey(), SortKey::Attributes);
    env.SortMode = -1;
    EXPECT_EQ(env.ListSortKey(), SortKey::Name);
}

TEST(EnvSettingsTest, SaveWritesOnlyTheNamedGroup)
{
    IsolatedUserDirs dirs;
    const CEnvSettings changed = Changed();
    EXPECT_TRUE(changed.Save("disp"));
    EXPECT_FALSE(changed.Save("Display"));
    auto stored = StoredEnvironment();
    EXPECT_EQ(stored.size(), 10u);
    EXPECT_EQ(Number(stored, "FileCharMode"), 2);
    EXPECT_EQ(Number(stored, "IsDestSort"), 1);

    EXPECT_TRUE(changed.Save("ExportList"));
    EXPECT_TRUE(changed.Save("First"));
    stored = StoredEnvironment();
    EXPECT_EQ(stored.size(), 21u);
    EXPECT_EQ(Number(stored, "IsFileName"), 0);
    EXPECT_EQ(Number(stored, "FirstCustom"), 4);
    EXPECT_EQ(stored.count("IsAsk"), 0u);
    EXPECT_EQ(stored.count("Filter.0.Filter"), 0u);
}

TEST(EnvSettingsTest, SaveAllInAnyCaseWritesEveryGroup)
{
    for (const char *all : {"All", "all"}) {
        IsolatedUserDirs dirs;
        const CEnvSettings changed = Changed();
        ASSERT_TRUE(changed.Save(all));
        EXPECT_EQ(StoredEnvironment().size(), 14u + 7u * 7u + 19u) << all;
        CEnvSettings loaded;
        loaded.Load();
        // One value of each group comes back.
        EXPECT_EQ(loaded.FirstCustom, 4);
        EXPECT_EQ(loaded.FileCharMode, 2);
        EXPECT_EQ(loaded.SelDirMode, 0);
        EXPECT_EQ(loaded.DefDirectory, "/srv/写真");
        EXPECT_EQ(loaded.Filters[0].Filter, "*.jpg;*.png");
        EXPECT_EQ(loaded.IsFileName, 0);
    }
}

TEST(EnvSettingsTest, FreeFilterIsSavedOnItsOwn)
{
    IsolatedUserDirs dirs;
    const CEnvSettings changed = Changed();
    EXPECT_TRUE(changed.SaveFreeFilter());
    const auto stored = StoredEnvironment();
    EXPECT_EQ(stored.size(), 6u);
    EXPECT_EQ(Text(stored, "Filter.5.Filter"), "*.txt");
    EXPECT_EQ(Number(stored, "Filter.5.IsNoHidden"), 1);
    EXPECT_EQ(stored.count("Filter.5.Title"), 0u);
}

TEST(EnvSettingsTest, HideMaskHoldsTheHiddenAttributes)
{
    FilterRecord filter;
    filter.IsNoReadOnly = 1;
    filter.IsNoArchive = 1;
    filter.IsHideDir = 1;
    EXPECT_EQ(filter.HideMask(), platform::kAttrReadOnly | platform::kAttrArchive);
    filter.IsNoHidden = 1;
    filter.IsNoSystem = 1;
    EXPECT_EQ(filter.HideMask(), platform::kAttrReadOnly | platform::kAttrHidden | platform::kAttrSystem |
                                     platform::kAttrArchive);
}
