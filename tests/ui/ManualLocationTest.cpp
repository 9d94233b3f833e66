// Where the built-in manual is opened from.
#include "ui/main/ManualLocation.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

using testing_support::TempDir;

namespace {

TEST(ManualLocationTest, BuiltInManualIsWrittenToTheCache)
{
    TempDir cache;
    const QByteArray old = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache.path()));
    const QString index = ManualIndexPath();
    qputenv("XDG_CACHE_HOME", old);

    ASSERT_TRUE(index.startsWith(QString::fromStdString(cache.path())));
    QFile written(index), builtIn(QStringLiteral(":/manual/index.html"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), builtIn.readAll());
}

} // namespace
