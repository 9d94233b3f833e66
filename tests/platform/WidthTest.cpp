#include "platform/Width.h"
#include "platform/DisplayWidth.h"

#include <gtest/gtest.h>

using platform::CharKind;
using platform::ClassifyHalfWidth;
using platform::ToFullWidth;
using platform::ToHalfWidth;

TEST(WidthTest, AsciiAndSpace)
{
    EXPECT_EQ(ToFullWidth("Az09!~ "), "Ａｚ０９！～　");
    EXPECT_EQ(ToHalfWidth("Ａｚ０９！～　"), "Az09!~ ");
    EXPECT_EQ(ToFullWidth("\\"), "＼");
}

TEST(WidthTest, EveryHalfWidthKanaRoundTrips)
{
    const std::string half = "｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
    const std::string full =
        "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネ"
        "ノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
    EXPECT_EQ(ToFullWidth(half), full);
    EXPECT_EQ(ToHalfWidth(full), half);
}

TEST(WidthTest, VoicedKanaSplitButNeverJoin)
{
    EXPECT_EQ(ToHalfWidth("ガギグゲゴザヂヅデドバパビピブプベペボポヴ"),
              "ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾊﾟﾋﾞﾋﾟﾌﾞﾌﾟﾍﾞﾍﾟﾎﾞﾎﾟｳﾞ");
    EXPECT_EQ(ToFullWidth("ｶﾞﾊﾟ"), "カ゛ハ゜");
}

TEST(WidthTest, CharactersWithoutCounterpartStay)
{
    const std::string other = "写真ひらがなヵヶ々〜é\xFF\xE5";
    EXPECT_EQ(ToFullWidth(other), other);
    EXPECT_EQ(ToHalfWidth(other), other);
}

TEST(WidthTest, ClassifiesByHalfWidthForm)
{
    EXPECT_EQ(ClassifyHalfWidth("ｶ"), CharKind::Katakana);
    EXPECT_EQ(ClassifyHalfWidth("ガ"), CharKind::Katakana);
    EXPECT_EQ(ClassifyHalfWidth("・"), CharKind::Katakana);
    EXPECT_EQ(ClassifyHalfWidth("７"), CharKind::Digit);
    EXPECT_EQ(ClassifyHalfWidth("q"), CharKind::Latin);
    EXPECT_EQ(ClassifyHalfWidth("Ｑ"), CharKind::Latin);
    EXPECT_EQ(ClassifyHalfWidth("é"), CharKind::Other);
    EXPECT_EQ(ClassifyHalfWidth("が"), CharKind::Other);
    EXPECT_EQ(ClassifyHalfWidth("！"), CharKind::Other);
    EXPECT_EQ(ClassifyHalfWidth("\xFF"), CharKind::Other);
    EXPECT_EQ(ClassifyHalfWidth(""), CharKind::Other);
}

TEST(DisplayWidthTest, WideCharactersTakeTwoColumnsAndMarksNone)
{
    EXPECT_EQ(platform::DisplayColumns("abc.txt"), 7u);
    EXPECT_EQ(platform::DisplayColumns("写真ＤＳＣ０"), 12u);
    EXPECT_EQ(platform::DisplayColumns("ｶﾞｿﾞｳ"), 5u);
    EXPECT_EQ(platform::DisplayColumns("e\xcc\x81"), 1u); // e and a combining acute accent
    EXPECT_EQ(platform::DisplayColumns("\xff\xfe"), 2u);
}
