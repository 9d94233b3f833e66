#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"

#include <gtest/gtest.h>

namespace {

TEST(AttributeUnificationTest, SetsClearsAndKeepsBits)
{
    using namespace platform;
    const auto entry = MakeEntry("/in", "a", false, 0, kAttrHidden | kAttrSystem | 0x80);
    CRenameSettings s;
    s.AtrReadOnly = AttributeChange::Set;
    s.AtrSystem = AttributeChange::Keep;
    EXPECT_EQ(s.GetNewAttributes(entry), kAttrHidden | kAttrSystem | 0x80u);
    EXPECT_EQ(s.GetNewDirAttributes(), 0u);
    s.IsFileAttribChange = true;
    EXPECT_EQ(s.GetNewAttributes(entry), kAttrReadOnly | kAttrSystem);
    EXPECT_EQ(s.GetNewDirAttributes(), kAttrReadOnly | kAttrSystem);
    EXPECT_EQ(CRenameSettings::FormatAttributeText(kAttrReadOnly | kAttrSystem), "R-S-");
}

} // namespace
