#include "CliFixture.h"

#include <filesystem>
#include <fstream>

using namespace cli_test;
using CliSaveSettingsTest = CliTest;

TEST_F(CliSaveSettingsTest, AFailedSaveOfTheSettingsIsReportedAndTheRenameStands)
{
    dir.write("a.txt");
    const std::string store = userDirs.configHome() + "/Velmora/Kestrel.ini";
    std::filesystem::create_directories(store); // a folder where the store file belongs
    CliResult run = Run({"--execute", "--defaults", "--save-settings", "a.txt"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.starts_with("kestrel-cli: 設定を保存できません: " + store + ": ")) << run.err;
    EXPECT_EQ(Names(), std::vector<std::string>{"001.txt"});
}

TEST_F(CliSaveSettingsTest, OnlyAnExplicitSaveWritesTheStoreAndOneThatCannotBeReadStopsTheRun)
{
    dir.write("a.txt");
    const std::string store = userDirs.configHome() + "/Velmora/Kestrel.ini";
    // A store holding only some values: loading must not fill in the others.
    const std::string content = "[Rename]\nRenumStr1=img\n";
    std::filesystem::create_directories(userDirs.configHome() + "/Velmora");
    std::ofstream(store, std::ios::binary) << content;
    for (const auto &arguments : {std::vector<std::string>{"a.txt"}, {"--settings", "Default", "a.txt"}}) {
        CliResult preview = Run(arguments);
        EXPECT_EQ(preview.exitCode, 0) << preview.err;
        EXPECT_EQ(testing_support::ReadFile(store), content) << arguments.front();
    }

    std::filesystem::remove(store);
    std::filesystem::create_directories(store); // a folder where the store file belongs
    CliResult stored = Run({"--execute", "a.txt"});
    EXPECT_EQ(stored.exitCode, 2);
    EXPECT_TRUE(stored.err.starts_with("kestrel-cli: 設定ファイルを読めません: " + store + ": "))
        << stored.err;
    EXPECT_EQ(Names(), std::vector<std::string>{"a.txt"});
    // Built-in settings need nothing from the store.
    EXPECT_EQ(Run({"--execute", "--defaults", "a.txt"}).exitCode, 0);
    EXPECT_EQ(Names(), std::vector<std::string>{"001.txt"});
}
