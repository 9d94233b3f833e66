// The pictures and the manual built into the program.
#include "ui/widgets/Icons.h"

#include <QDir>
#include <QFile>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

TEST(IconsTest, EveryPictureIsAValidDrawingAndTheManualIsThere)
{
    const QStringList names = QDir(QStringLiteral(":/icons")).entryList(QDir::Files);
    ASSERT_GE(names.size(), 30);
    for (const QString &name : names)
        EXPECT_TRUE(QSvgRenderer(QStringLiteral(":/icons/") + name).isValid()) << name.toStdString();
    for (const char *path : {icons::kApplication, icons::kFolder, icons::kFile, icons::kParentEntry,
                             icons::kDummyEntry, icons::kExecute, icons::kCursorDrag, icons::kManual})
        EXPECT_TRUE(QFile::exists(QString::fromLatin1(path))) << path;
}

} // namespace
