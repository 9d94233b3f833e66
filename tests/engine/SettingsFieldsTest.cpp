#include "engine/SettingsFields.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace {

using engine::SettingsField;
using engine::SettingsFields;

TEST(SettingsFieldsTest, NamesAreUniqueAndFoundWithoutRegardToCase)
{
    std::set<std::string, std::less<>> names;
    for (const SettingsField &field : SettingsFields()) {
        EXPECT_TRUE(names.insert(std::string(field.name)).second) << field.name;
        std::string lower(field.name);
        for (char &c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(engine::FindSettingsField(lower), &field);
    }
    EXPECT_EQ(engine::FindSettingsField("IsInBatch"), nullptr) << "run-time only";
}

TEST(SettingsFieldsTest, RenameModeTakesTheRenameKindsOnly)
{
    const SettingsField &mode = *engine::FindSettingsField("RenameMode");
    std::vector<int> allowed;
    for (int value = -1; value <= 13; ++value)
        if (mode.Allows(value))
            allowed.push_back(value);
    EXPECT_EQ(allowed, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 9, 11}));
    EXPECT_TRUE(engine::FindSettingsField("NumDirCount")->Allows(0));
    EXPECT_FALSE(engine::FindSettingsField("NumDirWidth")->Allows(0));
}

} // namespace
