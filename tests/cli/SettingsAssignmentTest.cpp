#include "cli/SettingsAssignment.h"
#include "cli/UsageError.h"
#include "engine/RenameSettings.h"
#include "engine/SettingsFields.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace cli;

namespace {

CRenameSettings Applied(const std::string &assignment)
{
    CRenameSettings settings;
    SettingsAssignment::Parse(assignment).ApplyTo(settings);
    return settings;
}

std::string RefusalOf(const std::string &assignment)
{
    try {
        SettingsAssignment::Parse(assignment);
    } catch (const UsageError &error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST(SettingsAssignmentTest, SetsFieldsByStoreNameWithoutRegardToCase)
{
    EXPECT_EQ(Applied("NumberWidth=4").NumberWidth, 4);
    EXPECT_EQ(Applied("numberwidth=5").NumberWidth, 5);
    EXPECT_EQ(Applied("RenumStr1=img").RenumStr1, "img");
    // Everything after the first "=" is the value, bytes kept.
    EXPECT_EQ(Applied("ReplaceStr2=a=b\t\xff").ReplaceStr2, "a=b\t\xff");
    EXPECT_EQ(Applied("FileCopyDirectory=").FileCopyDirectory, "");
    EXPECT_EQ(Applied("RenameMode=11").RenameMode, RenameKind::Concatenation);
    EXPECT_EQ(Applied("AtrHidden=2").AtrHidden, AttributeChange::Keep);
    EXPECT_TRUE(Applied("IsDelete=1").IsDelete);
    EXPECT_EQ(Applied("NumberStart=+7").NumberStart, 7);
}

TEST(SettingsAssignmentTest, RefusesUnknownFieldsAndValuesOutsideTheRanges)
{
    EXPECT_NE(RefusalOf("NoSuchField=1").find("NoSuchField"), std::string::npos);
    EXPECT_NE(RefusalOf("IsInBatch=1"), ""); // run-time only, not a stored field
    EXPECT_NE(RefusalOf("NumberWidth"), "");
    EXPECT_NE(RefusalOf("NumberWidth=abc").find("abc"), std::string::npos);
    EXPECT_NE(RefusalOf("NumberWidth=0"), "");
    EXPECT_NE(RefusalOf("NumberWidth=21"), "");
    EXPECT_EQ(RefusalOf("NumberWidth=20"), "");
    EXPECT_NE(RefusalOf("NumberWidth= 3"), "");
    EXPECT_NE(RefusalOf("NumberWidth=3x"), "");
    EXPECT_NE(RefusalOf("NumberStart=99999999999999999999"), "");
    EXPECT_NE(RefusalOf("ReplaceNum=1"), "");
    EXPECT_NE(RefusalOf("FileCopyMode=3"), "");
    // Separator rows and the command row of the mode combo are no modes.
    for (const char *mode :
         {"RenameMode=8", "RenameMode=10", "RenameMode=12", "RenameMode=13", "RenameMode=-1"})
        EXPECT_NE(RefusalOf(mode), "") << mode;
}

TEST(SettingsAssignmentTest, TakesEveryStoredFieldWithinTheRangeOfTheFieldTable)
{
    for (const engine::SettingsField &field : engine::SettingsFields()) {
        const std::string name(field.name);
        if (!field.IsInteger()) {
            EXPECT_EQ(RefusalOf(name + "=x").empty(), field.kind == engine::FieldKind::Text) << name;
            continue;
        }
        for (int value = field.minimum; value <= field.maximum && value <= field.minimum + 20; ++value) {
            if (field.Allows(value)) {
                EXPECT_EQ(field.read(Applied(name + "=" + std::to_string(value))), value) << name;
            }
        }
        for (int value : {field.minimum - 1, field.maximum + 1})
            EXPECT_EQ(RefusalOf(name + "=" + std::to_string(value)),
                      name + " の値が正しくありません: 「" + std::to_string(value) + "」（" +
                          std::to_string(field.minimum) + "～" + std::to_string(field.maximum) +
                          " の整数を指定してください）");
    }
    EXPECT_EQ(RefusalOf("RenameMode=10"),
              "RenameMode の値が正しくありません: 「10」（0～7、9、11 のいずれかを指定してください）");
}

TEST(SettingsAssignmentTest, TimeIsReadAsLocalTime)
{
    std::tm fields{};
    fields.tm_year = 2024 - 1900;
    fields.tm_mon = 0;
    fields.tm_mday = 2;
    fields.tm_hour = 3;
    fields.tm_min = 4;
    fields.tm_sec = 5;
    fields.tm_isdst = -1;
    EXPECT_EQ(Applied("FileTime=2024-01-02T03:04:05").FileTime, std::mktime(&fields));
    EXPECT_EQ(Applied("FileTime=2024-01-02 03:04:05").FileTime, std::mktime(&fields));

    platform::TimeValue t = 0;
    EXPECT_FALSE(ParseLocalTime("2024-02-30T00:00:00", t));
    EXPECT_FALSE(ParseLocalTime("2024-01-02T24:00:00", t));
    EXPECT_FALSE(ParseLocalTime("2024-1-2T03:04:05", t));
    EXPECT_FALSE(ParseLocalTime("2024-01-02T03:04:05Z", t));
    EXPECT_FALSE(ParseLocalTime("2200-01-01T00:00:00", t)); // beyond the stored 32 bits
    EXPECT_TRUE(ParseLocalTime("2024-02-29T23:59:59", t));
}
