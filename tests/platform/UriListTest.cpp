#include "platform/UriList.h"

#include <gtest/gtest.h>

using platform::LocalPathsFromUriList;
using Paths = std::vector<std::string>;

TEST(UriListTest, LocalFileUrisBecomeTheirPathBytesInOrder)
{
    // CR LF and LF line ends, a last line without one, comments and empty lines.
    const std::string payload = "# dragged from a file manager\r\n"
                                "file:///home/u/b%20c.txt\r\n"
                                "\r\n"
                                "file://localhost/tmp/a\n"
                                "FILE://LocalHost/x%2Fy\n"
                                "file:/short/form";
    EXPECT_EQ(LocalPathsFromUriList(payload), (Paths{"/home/u/b c.txt", "/tmp/a", "/x/y", "/short/form"}));
}

TEST(UriListTest, EscapesGiveRawBytesAndMalformedOnesStayAsTheyAre)
{
    EXPECT_EQ(LocalPathsFromUriList("file:///t/%FF%fe%E6%97%A5"), (Paths{"/t/\xFF\xFE\xE6\x97\xA5"}));
    EXPECT_EQ(LocalPathsFromUriList("file:///t/100%\nfile:///t/%zz%4"), (Paths{"/t/100%", "/t/%zz%4"}));
}

TEST(UriListTest, OtherHostsSchemesAndUnusablePathsAreIgnored)
{
    EXPECT_EQ(LocalPathsFromUriList("file://server/share/a\n"
                                    "https://example.com/a\n"
                                    "file:relative\n"
                                    "file:///nul%00byte\n"
                                    "file://localhost\n"
                                    "file:///kept"),
              (Paths{"/kept"}));
    EXPECT_TRUE(LocalPathsFromUriList("").empty());
}
