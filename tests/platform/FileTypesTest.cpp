#include "platform/FileTypes.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(FileTypesTest, ChosenByExtensionWithFallbacksForFoldersAndBareNames)
{
    EXPECT_EQ(MimeTypeNameFor(true, "jpg"), "inode/directory");
    EXPECT_EQ(MimeTypeNameFor(false, ""), "application/octet-stream");
    EXPECT_EQ(MimeTypeNameFor(false, "jpg"), "image/jpeg");
    EXPECT_EQ(MimeTypeNameFor(false, "no-such-extension-here"), "application/octet-stream");
    EXPECT_FALSE(MimeTypeDescription("image/jpeg").empty());
}
