#include "CliFixture.h"

#include "platform/Text.h"
#include "support/EntryMaker.h"
#include "support/MediaSamples.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace cli_test;
using CliPreviewTest = CliTest;
using testing_support::Exists;

using namespace std::string_literals;
using Lines = std::vector<std::string>;

TEST_F(CliPreviewTest, PreviewOfEachRenamingModeShowsOldAndNewNames)
{
    dir.write("b.txt");
    dir.write("Banana.jpg");
    dir.write("abcde.txt");
    struct Case {
        std::vector<std::string> sets;
        Lines expected;
    };
    const std::vector<Case> cases = {
        {{"RenameMode=0", "RenumStr1=img", "NumberWidth=3", "NumberStart=1", "NumberStep=2"},
         {"b.txt\timg001.txt", "Banana.jpg\timg003.jpg", "abcde.txt\timg005.txt"}},
        {{"RenameMode=1", "OrgStr1=x_", "OrgStr2=_old", "IsOrgExtensionChange=1", "OrgExtension=bak"},
         {"b.txt\tx_b_old.bak", "Banana.jpg\tx_Banana_old.bak", "abcde.txt\tx_abcde_old.bak"}},
        {{"RenameMode=2", "IsCase=1", "FileCase=1", "ExtensionCase=2"},
         {"b.txt\tB.txt", "Banana.jpg\tBANANA.jpg", "abcde.txt\tABCDE.txt"}},
        {{"RenameMode=3", "ReplaceStr1=a", "ReplaceStr2=X", "IsReplaceCase=1"},
         {"b.txt\tb.txt", "Banana.jpg\tBXnXnX.jpg", "abcde.txt\tXbcde.txt"}},
        {{"RenameMode=4", "ReplaceMode=1", "ReplaceNum=2", "ReplaceWidth=2", "ReplaceStr=Z"},
         {"b.txt\tZ.txt", "Banana.jpg\tBZana.jpg", "abcde.txt\taZde.txt"}},
        {{"RenameMode=5", "InsertMode=2", "InsertStr=-%n"},
         {"b.txt\tb-001.txt", "Banana.jpg\tBanana-002.jpg", "abcde.txt\tabcde-003.txt"}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> arguments{"--defaults"};
        for (const std::string &set : c.sets)
            arguments.insert(arguments.end(), {"--set", set});
        arguments.insert(arguments.end(), {"b.txt", "Banana.jpg", "abcde.txt"});
        CliResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << c.sets.front() << result.err;
        EXPECT_EQ(SplitRecords(result.out, '\n'), c.expected) << c.sets.front();
    }
    // A preview changes nothing.
    EXPECT_EQ(Names(), (Lines{"Banana.jpg", "abcde.txt", "b.txt"}));
}

TEST_F(CliPreviewTest, RegularExpressionsReplaceWithGroupsOrRefuseAnInvalidPattern)
{
    dir.write("DSC_0001.JPG");
    const std::vector<std::string> regex = {"--defaults",       "--set", "RenameMode=3",        "--set",
                                            "IsReplaceRegex=1", "--set", "ReplaceStr2=photo-$1"};
    std::vector<std::string> arguments = regex;
    arguments.insert(arguments.end(), {"--set", "ReplaceStr1=^DSC_(\\d+)", "--execute", "DSC_0001.JPG"});
    CliResult done = Run(arguments);
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(Names(), (Lines{"photo-0001.JPG"}));

    arguments = regex;
    arguments.insert(arguments.end(), {"--set", "ReplaceStr1=(\\d+", "photo-0001.JPG"});
    CliResult refused = Run(arguments);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("正規表現が正しくありません（5文字目）: missing closing parenthesis"),
              std::string::npos)
        << refused.err;
}

TEST_F(CliPreviewTest, PreviewOfNamesFromFileNumberedDirectoriesAndConcatenation)
{
    dir.write("a.txt");
    dir.write("b.txt");
    dir.write("names.txt", "first.txt\nsecond.txt\n");

    CliResult fromFile = Run({"--defaults", "--set", "RenameMode=7", "--set", "InputFile=names.txt",
                              "--dummy-at", "0", "a.txt", "b.txt"});
    EXPECT_EQ(fromFile.exitCode, 0) << fromFile.err;
    // The placeholder uses up the first line; b.txt is beyond the file and keeps its name.
    EXPECT_EQ(SplitRecords(fromFile.out, '\n'), (Lines{"<DUMMY>\t", "a.txt\tsecond.txt", "b.txt\tb.txt"}));

    CliResult dirs = Run({"--defaults", "--set", "RenameMode=9", "--set", "NumDirStr=disc", "--set",
                          "NumDirCount=3", "--set", "NumDirStart=9"});
    EXPECT_EQ(dirs.exitCode, 0) << dirs.err;
    EXPECT_EQ(SplitRecords(dirs.out, '\n'), (Lines{"disc009", "disc010", "disc011"}));
    EXPECT_FALSE(Exists(dir.file("disc009")));

    CliResult concat =
        Run({"--defaults", "--set", "RenameMode=11", "--set", "OutputFile=all.txt", "a.txt", "b.txt"});
    EXPECT_EQ(concat.exitCode, 0) << concat.err;
    EXPECT_EQ(SplitRecords(concat.out, '\n'),
              (Lines{"a.txt\t" + dir.file("all.txt"), "b.txt\t" + dir.file("all.txt")}));
}

TEST_F(CliPreviewTest, NullSeparatedPreviewKeepsNamesWithNewlinesAndTabs)
{
    const std::string odd = "line\none\tx.txt";
    dir.write(odd);
    CliResult result = Run({"-0", "--defaults", "--set", "RenameMode=1", "--set", "OrgStr1=new ", odd});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, odd + '\0' + "new line\none\tx.txt" + '\0');
}

TEST_F(CliPreviewTest, PreviewMarksRefusedAndRepeatedNamesOnStandardError)
{
    dir.write("a.txt");
    dir.write("b.txt");
    dir.write("c");
    // Every file gets the same name: every row of it is marked, and none will be renamed.
    CliResult same =
        Run({"--defaults", "--set", "RenameMode=6", "--set", "FormatStr=same", "a.txt", "b.txt", "c"});
    EXPECT_EQ(same.exitCode, 1);
    EXPECT_EQ(SplitRecords(same.out, '\n'), (Lines{"a.txt\tsame", "b.txt\tsame", "c\tsame"}));
    EXPECT_NE(same.err.find(dir.file("a.txt")), std::string::npos);
    EXPECT_NE(same.err.find(dir.file("b.txt")), std::string::npos);
    EXPECT_NE(same.err.find(dir.file("c")), std::string::npos);

    CliResult refused = Run({"--defaults", "--set", "RenameMode=6", "--set", "FormatStr=x/y", "a.txt"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("/"), std::string::npos);

    CliResult empty = Run({"--defaults", "--set", "RenameMode=6", "--set", "FormatStr=", "a.txt"});
    EXPECT_EQ(empty.exitCode, 2) << "a format mode without a format cannot start";
    EXPECT_NE(empty.err.find("FormatStr"), std::string::npos);

    // The file operations drop trailing dots, so "x." and "x" meet.
    dir.write("names.txt", "x.\nx\n");
    CliResult dots =
        Run({"--defaults", "--set", "RenameMode=7", "--set", "InputFile=names.txt", "a.txt", "b.txt"});
    EXPECT_EQ(dots.exitCode, 1);
    EXPECT_NE(dots.err.find(dir.file("b.txt")), std::string::npos);

    CliResult tooLong =
        Run({"--defaults", "--set", "RenameMode=6", "--set", "FormatStr=" + std::string(256, 'x'), "a.txt"});
    EXPECT_EQ(tooLong.exitCode, 1);
}

TEST_F(CliPreviewTest, DirectoryTakesEligibleEntriesFilteredAndOrdered)
{
    const std::string photos = dir.mkdir("photos");
    for (const char *name : {"p10.jpg", "p2.jpg", "p1.JPG", "notes.txt"})
        dir.write(std::string("photos/") + name);
    dir.mkdir("photos/sub");
    dir.mkdir("photos/sub.jpg");

    CliResult result = Run({"--defaults", "--set", "RenumStr1=img", "--dir", "photos", "--filter",
                            "*.jpg; *.png", "--numeric", "--reverse", "--dummy-at", "1"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(SplitRecords(result.out, '\n'),
              (Lines{"p10.jpg\timg001.jpg", "<DUMMY>\t", "p2.jpg\timg003.jpg", "p1.JPG\timg004.JPG"}));

    CliResult folders =
        Run({"--defaults", "--folders", "--set", "RenameMode=1", "--set", "OrgStr1=_", "--dir", "photos"});
    // The names shown are the names the folders would get: trailing dots are
    // dropped, and a folder's name is kept whole.
    EXPECT_EQ(SplitRecords(folders.out, '\n'), (Lines{"sub\t_sub", "sub.jpg\t_sub.jpg"}));
    EXPECT_EQ(folders.exitCode, 0) << folders.err;
}

TEST_F(CliPreviewTest, SortingByTypeGroupsTheKindsOfFile)
{
    dir.mkdir("t");
    for (const char *name : {"a.png", "b.txt", "c.PNG", "d.txt"})
        dir.write(std::string("t/") + name);
    CliResult result = Run({"--defaults", "--dir", "t", "--sort", "type"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    Lines rows = SplitRecords(result.out, '\n');
    ASSERT_EQ(rows.size(), 4u);
    auto extensionOf = [&](int i) { return platform::ToLower(rows[i].substr(2, 3)); };
    EXPECT_EQ(extensionOf(0), extensionOf(1));
    EXPECT_EQ(extensionOf(2), extensionOf(3));
    EXPECT_NE(extensionOf(1), extensionOf(2));
}

TEST_F(CliPreviewTest, PlaceholdersPastTheEndAndPathsGivenTwice)
{
    dir.write("a.txt");
    CliResult result = Run({"--defaults", "--set", "RenumStr1=n", "--set", "NumberWidth=1", "--dummy-at", "5",
                            "a.txt", "./a.txt"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(SplitRecords(result.out, '\n'), (Lines{"a.txt\tn1.txt", "<DUMMY>\t"}));
    EXPECT_NE(result.err.find("./a.txt"), std::string::npos);
}

TEST_F(CliPreviewTest, PathsCanBeReadFromStandardInput)
{
    dir.write("a b.txt");
    dir.write("c\nd.txt");
    CliResult lines = Run({"--defaults", "--set", "RenumStr1=x", "--paths-from", "-"}, "a b.txt\n\n");
    EXPECT_EQ(lines.exitCode, 0) << lines.err;
    EXPECT_EQ(lines.out, "a b.txt\tx001.txt\n");

    CliResult nul =
        Run({"-0", "--defaults", "--set", "RenumStr1=x", "--paths-from", "-"}, "c\nd.txt\0a b.txt\0"s);
    EXPECT_EQ(nul.exitCode, 0) << nul.err;
    EXPECT_EQ(nul.out, "c\nd.txt\0x001.txt\0a b.txt\0x002.txt\0"s);
}

TEST_F(CliPreviewTest, TimePlaceholdersTakeAPhotosDateTakenWhenAskedTo)
{
    testing_support::WriteJpeg(dir.file("DSC_0001.JPG"),
                               {{"Exif.Photo.DateTimeOriginal", "2021:07:08 09:10:11"}});
    const std::string plain = dir.write("notes.txt");
    struct timespec times[2] = {{0, UTIME_OMIT}, {LocalTime(2003, 4, 5, 6, 7, 8), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, plain.c_str(), times, 0), 0);

    CliResult result = Run({"--defaults", "--set", "RenameMode=6", "--set", "DateSource=1", "--set",
                            "FormatStr=%Y%m%d_%H%M%s", "DSC_0001.JPG", "notes.txt"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(SplitRecords(result.out, '\n'),
              (Lines{"DSC_0001.JPG\t20210708_091011", "notes.txt\t20030405_060708"}));
}
