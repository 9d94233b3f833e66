#include "engine/RenameSettings.h"
#include "support/EntryMaker.h"
#include "support/TwoThreads.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::string Replace(const std::string &pattern, const std::string &name, bool ignoreCase = false)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::Replace;
    s.ReplaceStr1 = pattern;
    s.ReplaceStr2 = "X";
    s.IsReplaceCase = ignoreCase;
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(TitleEditsTest, ReplacesOccurrencesInTitle)
{
    EXPECT_EQ(Replace("aa", "aaa.aa"), "Xa.aa"); // no overlap; the extension is kept
    EXPECT_EQ(Replace("z", "abc"), "abc.");
    EXPECT_EQ(Replace("", "README"), "README"); // nothing searched: no dot added
    EXPECT_EQ(Replace("_A", "Data_a.txt"), "Data_a.txt");
    EXPECT_EQ(Replace("_A", "Data_a.txt", true), "DataX.txt");
    EXPECT_EQ(Replace("a", "aBc.txt", true), "XBc.txt");
    EXPECT_EQ(Replace("É", "été.txt", true), "XtX.txt");
    // Upper-casing the dotless i shortens it by a byte: the text after a
    // match must still be cut at the right character.
    EXPECT_EQ(Replace("i", "\xC4\xB1x\xC4\xB1y.txt", true), "XxXy.txt");
}

TEST(TitleEditsTest, MatchesOnlyWholeCharacters)
{
    // 0x86 and 0xE5 are bytes of 写 and must not match inside it.
    EXPECT_EQ(Replace("\x86", "写\x86.txt"), "写X.txt");
    EXPECT_EQ(Replace("\xE5", "写.txt"), "写.txt");
}

std::string RangeReplace(RangePosition mode, int position, int width, const std::string &name)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::RangeReplace;
    s.ReplaceMode = mode;
    s.ReplaceNum = position;
    s.ReplaceWidth = width;
    s.ReplaceStr = "Z";
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(TitleEditsTest, ReplacesCharactersByPosition)
{
    EXPECT_EQ(RangeReplace(RangePosition::First, 2, 2, "abcde.txt"), "Zcde.txt");
    EXPECT_EQ(RangeReplace(RangePosition::Last, 2, 2, "abcde.txt"), "abcZ.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 2, 2, "abcde.txt"), "aZde.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromBack, 2, 2, "abcde.txt"), "abcZ.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 9, 2, "abcde.txt"),
              "abcdZ.txt"); // the last character goes
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 2, 1, ".txt"), "Z.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 2, 1, "写真集.jpg"), "写Z集.jpg");
    EXPECT_EQ(RangeReplace(RangePosition::First, 2, 1, "\xFF\xFE写.jpg"), "Z\xFE写.jpg");
    EXPECT_EQ(RangeReplace(static_cast<RangePosition>(4), 2, 1, "abc.txt"), "");
}

TEST(TitleEditsTest, OddValuesNeverCrash)
{
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, 0, 1, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromFront, INT_MIN, INT_MAX, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromBack, INT_MIN, INT_MAX, "abc.txt"), "abZ.txt");
    EXPECT_EQ(RangeReplace(RangePosition::First, 2, -3, "abc.txt"), "Zabc.txt");
    EXPECT_EQ(RangeReplace(RangePosition::Last, 2, INT_MIN, "abc.txt"), "abcZ.txt");
}

std::string Insert(InsertPosition mode, int position, const std::string &name)
{
    CRenameSettings s;
    s.RenameMode = RenameKind::Insert;
    s.InsertMode = mode;
    s.InsertNum = position;
    s.InsertStr = "X";
    return s.ComputeNewName(MakeEntry("/in", name), 0);
}

TEST(TitleEditsTest, InsertsByCharacterPosition)
{
    EXPECT_EQ(Insert(InsertPosition::BeforeTitle, 3, "abcde.txt"), "Xabcde.txt");
    EXPECT_EQ(Insert(InsertPosition::AfterTitle, 3, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, 3, "abcde.txt"), "abXcde.txt");
    EXPECT_EQ(Insert(InsertPosition::FromBack, 3, "abcde.txt"), "abcXde.txt");
    EXPECT_EQ(Insert(InsertPosition::FromBack, 1, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, 99, "abcde.txt"), "abcdeX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, INT_MIN, "abc.txt"), "Xabc.txt");
    EXPECT_EQ(Insert(InsertPosition::FromBack, INT_MIN, "abc.txt"), "abcX.txt");
    EXPECT_EQ(Insert(InsertPosition::FromFront, 2, "写真集.jpg"), "写X真集.jpg");
    EXPECT_EQ(Insert(static_cast<InsertPosition>(7), 2, "abc.txt"), "");
}

// An edit must come out the same where characters take several bytes or are
// invalid bytes as where each is one ASCII byte, also in titles longer than
// any file name.
TEST(TitleEditsTest, EveryKindOfCharacterCountsAsOne)
{
    // b, c and d stand for characters of three bytes, one invalid byte and two bytes.
    const auto widen = [](const std::string &text) {
        std::string out;
        for (const char c : text)
            out += c == 'b' ? "写" : c == 'c' ? "\xFF" : c == 'd' ? "é" : std::string(1, c);
        return out;
    };
    for (const std::string &title : {std::string("abcdab"), std::string(300, 'b') + "acdab"}) {
        for (int position : {-1, 0, 1, 2, 3, 5, 8, 255, 256, 257, 301, 306}) {
            for (int width : {0, 1, 2, 3, 7, 260}) {
                for (RangePosition mode : {RangePosition::First, RangePosition::Last,
                                           RangePosition::FromFront, RangePosition::FromBack})
                    ASSERT_EQ(RangeReplace(mode, position, width, widen(title) + ".txt"),
                              widen(RangeReplace(mode, position, width, title + ".txt")))
                        << title.size() << " " << static_cast<int>(mode) << " " << position << " " << width;
            }
            for (InsertPosition mode : {InsertPosition::BeforeTitle, InsertPosition::AfterTitle,
                                        InsertPosition::FromFront, InsertPosition::FromBack})
                ASSERT_EQ(Insert(mode, position, widen(title) + ".txt"),
                          widen(Insert(mode, position, title + ".txt")))
                    << title.size() << " " << static_cast<int>(mode) << " " << position;
        }
        for (const std::string pattern : {"a", "A", "ab", "bc", "dab", "x"}) {
            for (bool ignoreCase : {false, true})
                ASSERT_EQ(Replace(widen(pattern), widen(title) + ".txt", ignoreCase),
                          widen(Replace(pattern, title + ".txt", ignoreCase)))
                    << title.size() << " " << pattern << " " << ignoreCase;
        }
    }
}

TEST(TitleEditsTest, CutsLongTitlesWhereAsked)
{
    const std::string many(300, 'b');
    EXPECT_EQ(Insert(InsertPosition::FromFront, 302, many + "acdab.txt"), many + "aXcdab.txt");
    EXPECT_EQ(RangeReplace(RangePosition::FromBack, 3, 2, many + "acdab.txt"), many + "acZb.txt");
}

// The upper-cased pattern, and the buffer a title other than ASCII is
// upper-cased in, are kept for each thread.
TEST(TitleEditsTest, ThreadsReplaceTheirOwnPatterns)
{
    const std::string patterns[2][2] = {{"aB", "Cd"}, {"B写C", "D"}};
    const std::string names[2][2] = {{"X写cd.txt", "ab写X.txt"}, {"aXd.txt", "ab写cX.txt"}};
    EXPECT_EQ(testing_support::SumOnTwoThreads([&](int thread) {
                  int wrong = 0;
                  for (int i = 0; i < 300000; ++i)
                      wrong += Replace(patterns[thread][i % 2], "ab写cd.txt", true) != names[thread][i % 2];
                  return wrong;
              }),
              0);
}

TEST(TitleEditsTest, IgnoringCaseOtherLettersMatchAsciiTitles)
{
    // The dotless i and the long s upper-case to ASCII I and S.
    EXPECT_EQ(Replace("\xC4\xB1", "Ikii.txt", true), "XkXX.txt");
    EXPECT_EQ(Replace("\xC5\xBFs", "Ssx.txt", true), "Xx.txt");
    EXPECT_EQ(Replace("\xC4\xB1", "Ikii.txt"), "Ikii.txt");
}

} // namespace
