#include "engine/RenameSettings.h"
#include "engine/SettingsFields.h"

#include "platform/RegistryStore.h"
#include "support/StoreContents.h"

#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;
using testing_support::StoredValuesOfKey;

namespace {

using engine::FieldKind;
using engine::SettingsField;
using engine::SettingsFields;

// Every persisted field set away from its default, differently for each seed;
// the integers of numbers and choices mostly outside their ranges, which the
// store keeps as they are.
CRenameSettings Distinct(int seed)
{
    CRenameSettings s;
    int n = seed;
    for (const SettingsField &field : SettingsFields()) {
        ++n;
        if (field.kind == FieldKind::Flag) // flags alternate, the other way round for the next seed
            field.write(s, (n + seed / 100) % 2);
        else if (field.IsInteger())
            field.write(s, field.defaultValue == n ? -n : n);
        else if (field.text)
            s.*field.text = "値 " + std::to_string(n) + " \xff";
    }
    s.NumberStart = -5 - seed;      // negative numbers survive as well
    s.FileTime = 4102444799 - seed; // 2099-12-31 23:59:59 UTC and just before
    return s;
}

void ExpectSameSettings(const CRenameSettings &a, const CRenameSettings &b)
{
    for (const SettingsField &field : SettingsFields()) {
        if (field.IsInteger())
            EXPECT_EQ(field.read(a), field.read(b)) << field.name;
        else if (field.text)
            EXPECT_EQ(a.*field.text, b.*field.text) << field.name;
        else
            EXPECT_EQ(a.*field.time, b.*field.time) << field.name;
    }
}

} // namespace

TEST(RenameSettingsStoreTest, FreshSetGivesTheLoadDefaults)
{
    IsolatedUserDirs dirs;
    CRenameSettings settings = Distinct(0);
    const platform::TimeValue before = platform::CurrentTime();
    CRegistryStore store;
    settings.LoadSettings(store, "Rename");

    EXPECT_EQ(settings.RenameMode, RenameKind::Renumber);
    EXPECT_EQ(settings.NumberWidth, 3);
    EXPECT_EQ(settings.NumberStart, 1);
    EXPECT_EQ(settings.ReplaceNum, 2);
    EXPECT_EQ(settings.ReplaceWidth, 1);
    EXPECT_EQ(settings.InsertNum, 2);
    EXPECT_EQ(settings.NumDirWidth, 1); // unlike a new record
    EXPECT_EQ(settings.NumDirCount, 1);
    EXPECT_EQ(settings.RenumStr1, "");
    EXPECT_EQ(settings.FileCopyDirectory, "");
    EXPECT_GE(settings.FileTime, before);
    EXPECT_LE(settings.FileTime, platform::CurrentTime());
}

TEST(RenameSettingsStoreTest, EveryFieldRoundTripsThroughBothSets)
{
    IsolatedUserDirs dirs;
    const CRenameSettings atExit = Distinct(0);
    const CRenameSettings initial = Distinct(100);
    CRegistryStore store;
    atExit.SaveSettings(store, "Rename");
    initial.SaveSettings(store, "Default");
    EXPECT_EQ(StoredValuesOfKey("Default").size(), 58u);

    CRenameSettings loaded;
    loaded.IsInBatch = true;
    loaded.InputLines = {"kept"};
    loaded.LoadSettings(store, "Default");
    ExpectSameSettings(loaded, initial);
    EXPECT_TRUE(loaded.IsInBatch);
    EXPECT_EQ(loaded.InputLines, std::vector<std::string>{"kept"});

    loaded.LoadSettings(store, "Rename");
    ExpectSameSettings(loaded, atExit);
}

TEST(RenameSettingsStoreTest, AStoreFromBeforeTheDateSourceReadsTheFileTime)
{
    IsolatedUserDirs dirs;
    CRegistryStore store;
    store.Open("Rename");
    store.WriteDword("RenameMode", 6);
    store.WriteString("FormatStr", "%Y%m%d");
    store.Close();

    CRenameSettings settings;
    settings.DateSource = TimeSource::Taken;
    settings.LoadSettings(store, "Rename");
    EXPECT_EQ(settings.FormatStr, "%Y%m%d");
    EXPECT_EQ(settings.DateSource, TimeSource::Modified);
}

TEST(RenameSettingsStoreTest, FileTimeIsFourBytesLittleEndianToTheSecond)
{
    IsolatedUserDirs dirs;
    CRenameSettings settings;
    settings.FileTime = 0x87654321; // 2042-01-04, past the signed 32-bit range
    CRegistryStore store;
    settings.SaveSettings(store, "Rename");
    EXPECT_EQ(StoredValuesOfKey("Rename").at("FileTime").bytes, "\x21\x43\x65\x87");

    CRenameSettings loaded;
    loaded.LoadSettings(store, "Rename");
    EXPECT_EQ(loaded.FileTime, 0x87654321);

    // A value too short to be a time leaves the current time.
    store.Open("Rename");
    store.WriteBinary("FileTime", {1, 2});
    store.Close();
    const platform::TimeValue before = platform::CurrentTime();
    loaded.LoadSettings(store, "Rename");
    EXPECT_GE(loaded.FileTime, before);
}

TEST(RenameSettingsStoreTest, StoredIntegersOutsideTheRangesAreKeptUntilTheWindowResetsChoices)
{
    IsolatedUserDirs dirs;
    CRegistryStore store;
    store.Open("Rename");
    store.WriteDword("RenameMode", 8); // a separator row of the mode combo
    store.WriteDword("ObjMode", 2);
    store.WriteDword("FileCase", -1);
    store.WriteDword("FileCopyMode", 3);
    store.WriteDword("NumberWidth", 0);
    store.WriteDword("IsCase", 5);
    store.Close();

    CRenameSettings settings;
    settings.LoadSettings(store, "Rename");
    EXPECT_EQ(static_cast<int>(settings.RenameMode), 8);
    EXPECT_EQ(static_cast<int>(settings.ObjMode), 2);
    EXPECT_EQ(static_cast<int>(settings.FileCase), -1);
    EXPECT_EQ(static_cast<int>(settings.FileCopyMode), 3);
    EXPECT_EQ(settings.NumberWidth, 0);
    EXPECT_TRUE(settings.IsCase) << "any integer but 0 sets a flag";

    settings.RenameMode = static_cast<RenameKind>(13); // the combo's command row
    settings.ExtensionCase = LetterCase::Capitalised;
    engine::ResetUnknownChoices(settings);
    EXPECT_EQ(settings.RenameMode, RenameKind::Renumber);
    EXPECT_EQ(settings.ObjMode, ObjectKind::Files);
    EXPECT_EQ(settings.FileCase, LetterCase::Unchanged);
    EXPECT_EQ(settings.FileCopyMode, OutputKind::InPlace);
    EXPECT_EQ(settings.ExtensionCase, LetterCase::Capitalised);
    EXPECT_EQ(settings.NumberWidth, 0) << "numbers are the panels' to keep in range";
}
