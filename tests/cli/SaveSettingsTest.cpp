#include "CliFixture.h"

#include <filesystem>

using namespace cli_test;

TEST_F(CliTest, AFailedSaveOfTheSettingsIsReportedAndTheRenameStands)
{
    dir.write("a.txt");
    const std::string store = userDirs.configHome() + "/Velmora/Kestrel.ini";
    std::filesystem::create_directories(store); // a folder where the store file belongs
    CliResult run = Run({"--execute", "--defaults", "--save-settings", "a.txt"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.starts_with("kestrel-cli: 設定を保存できません: " + store + ": ")) << run.err;
    EXPECT_EQ(Names(), std::vector<std::string>{"001.txt"});
}
