// The command line speaks the language of the locale: English for English
// locales, the program's Japanese for Japanese ones.
#include "CliFixture.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace cli_test;

namespace {

class CliLanguageTest : public CliTest {
protected:
    CliResult RunIn(const std::string &locale, const std::vector<std::string> &arguments) const
    {
        return RunCliInEnvironment(arguments, dir.path(),
                                   {"LC_ALL=" + locale, "HOME=" + userDirs.root(),
                                    "XDG_CONFIG_HOME=" + userDirs.configHome(),
                                    "XDG_STATE_HOME=" + userDirs.stateHome()});
    }
};

// The options a help text describes: the first word of every indented line
// that starts with a dash, without its value.
std::set<std::string> OptionsIn(const std::string &help)
{
    std::set<std::string> options;
    const std::regex option(R"(\n  (-[-A-Za-z0-9]+))");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option); it != std::sregex_iterator(); ++it)
        options.insert((*it)[1]);
    return options;
}

} // namespace

TEST_F(CliLanguageTest, HelpIsEnglishInAnEnglishLocaleWithEveryOptionOfTheJapanese)
{
    const CliResult english = RunIn("en_US.UTF-8", {"--help"});
    const CliResult japanese = RunIn("ja_JP.UTF-8", {"--help"});
    ASSERT_EQ(english.exitCode, 0) << english.err;
    ASSERT_EQ(japanese.exitCode, 0) << japanese.err;

    EXPECT_TRUE(english.out.starts_with("Usage: kestrel-cli [options] [path...]\n")) << english.out;
    EXPECT_TRUE(japanese.out.starts_with("使い方: kestrel-cli [オプション] [パス...]\n")) << japanese.out;
    // The manual page takes these lines as its section headings.
    for (const char *heading : {"\nTargets:\n", "\nExit codes:\n", "\nSetting names:\n"})
        EXPECT_NE(english.out.find(heading), std::string::npos) << heading;
    EXPECT_NE(japanese.out.find("\n終了コード:\n"), std::string::npos);

    EXPECT_GT(OptionsIn(japanese.out).size(), 20u);
    EXPECT_EQ(OptionsIn(english.out), OptionsIn(japanese.out));
    EXPECT_NE(english.out.find("  RenameMode"), std::string::npos) << "the field names follow";
}

TEST_F(CliLanguageTest, UsageErrorsCarryTheirValueInEitherLanguage)
{
    const CliResult english = RunIn("en_US.UTF-8", {"--dir", ".", "--sort", "colour"});
    EXPECT_EQ(english.exitCode, 2);
    EXPECT_EQ(english.err, "kestrel-cli: --sort takes one of name, size, type, time, attr: “colour”\n"
                           "kestrel-cli: kestrel-cli --help shows how to use it\n");

    const CliResult japanese = RunIn("ja_JP.UTF-8", {"--dir", ".", "--sort", "colour"});
    EXPECT_EQ(japanese.exitCode, 2);
    EXPECT_EQ(japanese.err,
              "kestrel-cli: --sort には name、size、type、time、attr のいずれかを指定してください: "
              "「colour」\n"
              "kestrel-cli: 使い方は kestrel-cli --help で表示します\n");

    // A value list is joined in the language as well.
    const CliResult range = RunIn("en_US.UTF-8", {"--set", "RenameMode=99", "a"});
    EXPECT_NE(
        range.err.find("the value of RenameMode is not valid: “99” (give a whole number in the range 0–"),
        std::string::npos)
        << range.err;
}
