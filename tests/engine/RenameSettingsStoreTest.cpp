#include "engine/RenameSettings.h"

#include "platform/RegistryStore.h"
#include "support/StoreContents.h"

#include <gtest/gtest.h>

using testing_support::IsolatedUserDirs;
using testing_support::StoredValuesOfKey;

namespace {

using S = CRenameSettings;

// The persisted fields other than the time stamp.
int S::*const kNumberFields[] = {
    &S::RenameMode,       &S::ObjMode,
    &S::NumberWidth,      &S::NumberStart,
    &S::NumberStep,       &S::IsRenumExtensionChange,
    &S::IsIncrement,      &S::IsOrgExtensionChange,
    &S::IsCase,           &S::IsConvNum,
    &S::IsConvAlpha,      &S::IsConvKana,
    &S::FileCase,         &S::ExtensionCase,
    &S::ConvNum,          &S::ConvAlpha,
    &S::ConvKana,         &S::IsReplaceCase,
    &S::ReplaceMode,      &S::ReplaceNum,
    &S::ReplaceWidth,     &S::InsertMode,
    &S::InsertNum,        &S::NumDirWidth,
    &S::NumDirStart,      &S::NumDirStep,
    &S::NumDirCount,      &S::SepaMode,
    &S::RetMode,          &S::EofMode,
    &S::IsAppend,         &S::IsDelete,
    &S::IsFileTimeChange, &S::IsFileAttribChange,
    &S::AtrReadOnly,      &S::AtrHidden,
    &S::AtrSystem,        &S::AtrArchive,
    &S::FileCopyMode,
};
std::string S::*const kTextFields[] = {
    &S::RenumStr1,  &S::RenumStr2,    &S::RenumExtension, &S::OrgStr1,
    &S::OrgStr2,    &S::OrgExtension, &S::ReplaceStr1,    &S::ReplaceStr2,
    &S::ReplaceStr, &S::InsertStr,    &S::FormatStr,      &S::InputFile,
    &S::NumDirStr,  &S::OutputFile,   &S::Sepa,           &S::FileCopyDirectory,
};
static_assert(std::size(kNumberFields) + std::size(kTextFields) + 1 == 56);

// Every persisted field set away from its default, differently for each seed.
CRenameSettings Distinct(int seed)
{
    CRenameSettings s;
    int n = seed;
    for (auto field : kNumberFields)
        s.*field = ++n;
    for (auto field : kTextFields)
        s.*field = "値 " + std::to_string(++n) + " \xff";
    s.NumberStart = -5 - seed;      // negative numbers survive as well
    s.FileTime = 4102444799 - seed; // 2099-12-31 23:59:59 UTC and just before
    return s;
}

void ExpectSameSettings(const CRenameSettings &a, const CRenameSettings &b)
{
    for (auto field : kNumberFields)
        EXPECT_EQ(a.*field, b.*field);
    for (auto field : kTextFields)
        EXPECT_EQ(a.*field, b.*field);
    EXPECT_EQ(a.FileTime, b.FileTime);
}

} // namespace

TEST(RenameSettingsStoreTest, FreshSetGivesTheLoadDefaults)
{
    IsolatedUserDirs dirs;
    CRenameSettings settings = Distinct(0);
    const platform::TimeValue before = platform::CurrentTime();
    CRegistryStore store;
    settings.LoadSettings(store, "Rename");

    EXPECT_EQ(settings.RenameMode, 0);
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
    EXPECT_EQ(StoredValuesOfKey("Default").size(), 56u);

    CRenameSettings loaded;
    loaded.IsInBatch = 1;
    loaded.InputLines = {"kept"};
    loaded.LoadSettings(store, "Default");
    ExpectSameSettings(loaded, initial);
    EXPECT_EQ(loaded.IsInBatch, 1);
    EXPECT_EQ(loaded.InputLines, std::vector<std::string>{"kept"});

    loaded.LoadSettings(store, "Rename");
    ExpectSameSettings(loaded, atExit);
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
