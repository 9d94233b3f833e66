#include "exec/FileListExport.h"
#include "support/EntryMaker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using exec::ExportOptions;
using exec::ExportRow;

namespace {

ExportOptions NameOnly()
{
    ExportOptions options;
    options.size = options.type = options.time = options.attributes = false;
    options.fullPath = false;
    return options;
}

ExportRow Row(const std::string &name, std::uint64_t size = 0, const std::string &type = {})
{
    ExportRow row{MakeEntry("/data", name), {}, type};
    row.entry.size = size;
    row.entry.typeName = type;
    row.secondColumnText = row.entry.GetSizeText(true);
    return row;
}

std::string Text(const std::vector<ExportRow> &rows, const ExportOptions &options)
{
    return exec::BuildExportText(rows, options);
}

} // namespace

TEST(FileListExportTest, NameAloneIsNeitherIndentedNorPadded)
{
    EXPECT_EQ(Text({Row("a.txt"), Row("b.jpg")}, NameOnly()), "a.txt\r\nb.jpg\r\n");
    EXPECT_EQ(Text({}, NameOnly()), "");
}

TEST(FileListExportTest, ColumnsAlignToTheWidestTextInDisplayColumns)
{
    ExportOptions options = NameOnly();
    options.size = options.type = true;
    options.sizeInBytes = true;
    // Four wide characters and ".jpeg" take 13 columns and set the name width;
    // sizes align right, types left, the wide type name in 6 columns.
    const std::string text = Text(
        {Row("a.txt", 5, "Text"), Row("写真一覧.jpeg", 12345, "画像ﾌｧｲﾙ"), Row("\xff\xfe", 1, "x")}, options);
    EXPECT_EQ(text, "a.txt" + std::string(8 + 1 + 4, ' ') + "5 Text\r\n" +
                        "写真一覧.jpeg 12345 画像ﾌｧｲﾙ\r\n" + "\xff\xfe" + std::string(11 + 1 + 4, ' ') +
                        "1 x\r\n");
}

TEST(FileListExportTest, QuotedNamesWidenTheNameColumnByTwo)
{
    ExportOptions options = NameOnly();
    options.quoteNames = true;
    options.attributes = true;
    const std::string line = Text({Row("a.txt")}, options);
    // Width 12 + 2: the quoted five-byte name is followed by seven blanks and one separator.
    EXPECT_EQ(line, "\"a.txt\"" + std::string(8, ' ') + "----\r\n");
}

TEST(FileListExportTest, NameFormsFollowTheOptions)
{
    ExportOptions options = NameOnly();
    options.fullPath = options.noExtension = true;
    // As on disk, whatever case the lists show.
    EXPECT_EQ(Text({Row("Photo.jpg")}, options), "/data/Photo\r\n");
}

TEST(FileListExportTest, PrefixAndSuffixAreTrimmedOnlyAtTheLineEnds)
{
    ExportOptions options = NameOnly();
    options.addPrefix = options.addSuffix = true;
    options.prefix = "  copy  ";
    options.suffix = " end  ";
    EXPECT_EQ(Text({Row("a.txt")}, options), "copy   a.txt" + std::string(7 + 1 + 1, ' ') + "end\r\n");
    // Texts that are given but not switched on are left out.
    options.addPrefix = options.addSuffix = false;
    EXPECT_EQ(Text({Row("a.txt")}, options), "a.txt\r\n");
}

TEST(FileListExportTest, ReplacesAnExistingFileWithTheNewList)
{
    testing_support::TempDir dir;
    const std::string path = dir.write("list.txt", "old content that is longer\r\n");
    EXPECT_EQ(exec::ExportFileList(path, {Row("a.txt")}, NameOnly()), 0);
    EXPECT_EQ(testing_support::ReadFile(path), "a.txt\r\n");
}

TEST(FileListExportTest, FailedWriteKeepsWhatWasThereAndLeavesNoTemporaryFile)
{
    testing_support::TempDir dir;
    // A folder in the way cannot be replaced by the list.
    const std::string blocked = dir.mkdir("list.txt");
    dir.write("list.txt/keep", "kept");
    EXPECT_NE(exec::ExportFileList(blocked, {Row("a.txt")}, NameOnly()), 0);
    EXPECT_EQ(testing_support::ReadFile(blocked + "/keep"), "kept");
    EXPECT_NE(exec::ExportFileList(dir.file("missing/list.txt"), {Row("a.txt")}, NameOnly()), 0);

    std::vector<std::string> left;
    for (const auto &item : std::filesystem::directory_iterator(dir.path()))
        left.push_back(item.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"list.txt"});
}
