// The choice of the interface's language, texts from the English catalogue,
// and values put into texts.
#include "platform/Translation.h"
#include "platform/ErrorReason.h"

#include <gtest/gtest.h>

#include <cerrno>

using platform::Language;

namespace {

// Leaves the texts Japanese again, whatever a test did.
class TranslationTest : public ::testing::Test {
protected:
    void TearDown() override { platform::UseLanguage(Language::Japanese, {}); }
};

} // namespace

TEST(LanguageOfLocaleTest, EnglishOnlyForEnglishLocales)
{
    for (const char *name : {"en", "en_US.UTF-8", "en_GB@euro", "en.UTF-8"})
        EXPECT_EQ(platform::LanguageOfLocale(name), Language::English) << name;
    for (const char *name : {"", "C", "C.UTF-8", "POSIX", "ja_JP.UTF-8", "de_DE.UTF-8", "eng", "el_GR"})
        EXPECT_EQ(platform::LanguageOfLocale(name), Language::Japanese) << name;
}

TEST(FillTest, PutsEachValueOnceInItsPlace)
{
    EXPECT_EQ(platform::Fill("%2 を %1 に", {"a", "b"}), "b を a に");
    // A value that looks like a placeholder (a file name may) is not filled again.
    EXPECT_EQ(platform::Fill("%1 → %2", {"%2.txt", "x"}), "%2.txt → x");
    // Placeholders without a value and lone percent signs stay as written.
    EXPECT_EQ(platform::Fill("%1 %3 100%", {"a"}), "a %3 100%");
}

TEST_F(TranslationTest, JapaneseIsTheSourceText)
{
    EXPECT_EQ(platform::Tr("platform", "ファイル名が長すぎます。"), "ファイル名が長すぎます。");
    EXPECT_EQ(platform::Tr("platform", "%n 件", nullptr, 3), "3 件");
}

TEST_F(TranslationTest, EnglishComesFromTheCatalogueAndFallsBackToTheSource)
{
    ASSERT_TRUE(platform::UseLanguage(Language::English, platform::CatalogueFolder()));
    EXPECT_EQ(platform::CurrentLanguage(), Language::English);
    EXPECT_EQ(platform::Tr("platform", "ファイル名が長すぎます。"), "The file name is too long.");
    EXPECT_EQ(platform::Tr("platform", "カタログにない文"), "カタログにない文");
    EXPECT_EQ(platform::ErrorReason(ENOENT), "No such file or directory");
}

TEST_F(TranslationTest, AMissingCatalogueKeepsJapanese)
{
    EXPECT_FALSE(platform::UseLanguage(Language::English, "/nonexistent"));
    EXPECT_EQ(platform::CurrentLanguage(), Language::Japanese);
    // The reason is Japanese whether it comes from the C library or the program.
    EXPECT_NE(platform::ErrorReason(ENOENT), "No such file or directory");
    EXPECT_FALSE(platform::ErrorReason(ENOENT).empty());
}
