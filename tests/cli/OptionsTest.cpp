#include "cli/Options.h"
#include "cli/UsageError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace cli;

TEST(OptionsTest, ReadsValuesInEitherFormAndKeepsPathsInOrder)
{
    Options options = ParseOptions({"b.txt", "--set", "NumberWidth=4", "--set=RenumStr1=x", "--execute",
                                    "--overwrite=all", "a.txt", "--", "--not-an-option", "-"});
    EXPECT_EQ(options.action, Action::Execute);
    EXPECT_EQ(options.assignments.size(), 2u);
    ASSERT_TRUE(options.overwrite);
    EXPECT_EQ(*options.overwrite, OverwritePolicy::All);
    EXPECT_EQ(options.paths, (std::vector<std::string>{"b.txt", "a.txt", "--not-an-option", "-"}));

    Options dummies = ParseOptions({"--dummy-at", "3", "--dummy-at=0", "--dummy-at", "3", "a"});
    EXPECT_EQ(dummies.dummyRows, (std::vector<int>{0, 3}));
}

TEST(OptionsTest, RefusesConflictsAndMissingValues)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"},
        {"--dir"},
        {"--execute", "--undo"},
        {"--undo", "a.txt"},
        {"--dir", "d", "a.txt"},
        {"--sort", "name"}, // ordering needs --dir
        {"--dir", "d", "--sort", "colour"},
        {"--settings", "Other"},
        {"--settings", "Default", "--defaults"},
        {"--overwrite=sometimes"},
        {"--dummy-at", "-1"},
        {"--execute=yes"},
        {"--recover=later"},
    };
    for (const auto &arguments : bad)
        EXPECT_THROW(ParseOptions(arguments), UsageError) << arguments.front();
}
