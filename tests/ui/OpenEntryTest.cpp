// The file URL an entry is opened with.
#include "ui/main/OpenEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenEntryTest, FileUrlKeepsEveryByteOfTheName)
{
    const std::string path = "/tmp/a b/\xe5\x86\x99\xff#?.txt";
    const QUrl url = LocalFileUrl(path);
    EXPECT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QStringLiteral("file"));
    const QByteArray encoded = url.toEncoded();
    EXPECT_EQ(QByteArray::fromPercentEncoding(encoded.mid(7)).toStdString(), path);
}

} // namespace
