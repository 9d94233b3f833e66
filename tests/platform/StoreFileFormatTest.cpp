#include "platform/StoreFileFormat.h"

#include <gtest/gtest.h>

using namespace platform;
using Kind = StoredValue::Kind;

namespace {

StoredValue Number(std::int64_t n)
{
    return {Kind::Integer, n, {}};
}
StoredValue Text(std::string s)
{
    return {Kind::Text, 0, std::move(s)};
}
StoredValue Bytes(std::string s)
{
    return {Kind::Bytes, 0, std::move(s)};
}

} // namespace

TEST(StoreFileFormatTest, EveryKindRoundTrips)
{
    std::string everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte += static_cast<char>(i);
    const StoredValues values = {
        {"Environment/IsAsk", Number(1)},
        {"Environment/Low", Number(INT64_MIN)},
        {"Environment/DefDirectory", Text(" /home/ユーザー;#=[x] \"q\" \\ \n\r\t\x01\x7f ")},
        {"Environment/Empty", Text("")},
        {"History/Sepa", Bytes(everyByte)},
        {"History/None", Bytes("")},
        {"Top", Number(-7)},
    };
    const std::string file = FormatStoreFile(values);
    EXPECT_EQ(ParseStoreFile(file), values);
    // Readable: groups in brackets, one value a line.
    EXPECT_NE(file.find("[Environment]\nDefDirectory=\" /home/ユーザー"), std::string::npos);
    EXPECT_NE(file.find("IsAsk=1\n"), std::string::npos);
}

TEST(StoreFileFormatTest, HandEditedFilesAreReadLeniently)
{
    const auto values =
        ParseStoreFile("; comment\r\n# another\n\n  [Window]  \n IsSplit = 0 \r\nPath=/tmp/a b\n"
                       "Size=12345678901234567890\nQuote=\"a\\\"b\"\n");
    ASSERT_TRUE(values);
    EXPECT_EQ(values->at("Window/IsSplit"), Number(0));
    EXPECT_EQ(values->at("Window/Path"), Text("/tmp/a b"));
    EXPECT_EQ(values->at("Window/Size"), Text("12345678901234567890"));
    EXPECT_EQ(values->at("Window/Quote"), Text("a\"b"));
    // A bare text that begins like a number is all text, and reads back so.
    const auto numberLike = ParseStoreFile("[W]\nA=1r\"x\n");
    ASSERT_TRUE(numberLike);
    EXPECT_EQ(numberLike->at("W/A"), Text("1r\"x"));
    EXPECT_EQ(ParseStoreFile(FormatStoreFile(*numberLike)), numberLike);
}

TEST(StoreFileFormatTest, MalformedFilesAreRefused)
{
    for (const char *content : {
             "[Window]\nno equals sign\n",
             "[Window\nA=1\n",
             "[]\nA=1\n",
             "[A/B]\nC=1\n",
             "[W]\n=1\n",
             "[W]\nA=\"open\n",
             "[W]\nA=\"bad \\q escape\"\n",
             "[W]\nA=\"bad \\x4g\"\n",
             "[W]\nA=\"inner \" quote\"\n",
             "[W]\nA=@Bytes(123)\n",
             "[W]\nA=@Bytes(zz)\n",
             "[W]\nA=/home/\xff\xfe\n",
             "[W]\nA=\"\\xff\"\n",
         })
        EXPECT_FALSE(ParseStoreFile(content)) << content;
    EXPECT_EQ(ParseStoreFile(""), StoredValues{});
}

TEST(StoreFileFormatTest, NamesTheFileCannotCarryCostOnlyTheirOwnValue)
{
    const StoredValues kept = {{"W/A", Number(1)}};
    EXPECT_EQ(ParseStoreFile("[W]\nA=1\nold/x=1\na[b]=2\nc]=@Bytes(zz)\nctl\x01=3\nbad\xff=4\n"), kept);
    // The writer leaves such names out, so that its file always reads back.
    StoredValues odd = kept;
    for (const char *key :
         {"W/old/x", "W/a[b", "W/x=y", "W/new\nline", "W/ lead", "W/;c", "W/", "Odd]/A", "/A"})
        odd[key] = Number(9);
    EXPECT_EQ(ParseStoreFile(FormatStoreFile(odd)), kept);
}
