// The character-kind panel: what it shows of a record, what the main window
// reads back and which controls its checks enable.
#include "ui/panels/CharKindPanel.h"
#include "PanelTesting.h"

#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <array>

namespace {

class CharKindPanelTest : public ReadBackPanelFixture {};

// The character-kind fields as the integers they are stored as.
std::array<int, 9> CharKindFields(const CRenameSettings &s)
{
    const auto stored = [](auto value) { return static_cast<int>(value); };
    return {stored(s.IsCase),    stored(s.FileCase),   stored(s.ExtensionCase),
            stored(s.IsConvNum), stored(s.ConvNum),    stored(s.IsConvAlpha),
            stored(s.ConvAlpha), stored(s.IsConvKana), stored(s.ConvKana)};
}

TEST_F(CharKindPanelTest, CharKindPanelShowsTheRecordAndIsReadBack)
{
    CCharKindPanel panel(&window);
    panel.ReadInto(read);
    EXPECT_EQ(CharKindFields(read), (std::array{0, 0, 0, 0, -1, 0, -1, 0, -1}))
        << "no radio button is selected before a record is shown";

    settings.IsCase = true;
    settings.FileCase = LetterCase::Capitalised;
    settings.ExtensionCase = LetterCase::Lower;
    settings.IsConvNum = true;
    settings.ConvNum = CharWidth::Full;
    settings.ConvAlpha = CharWidth::Full;
    settings.IsConvKana = true;
    panel.SetFromSettings(settings);
    panel.ReadInto(read);
    EXPECT_EQ(CharKindFields(read), CharKindFields(settings));

    settings.FileCase = static_cast<LetterCase>(9);
    settings.ConvNum = static_cast<CharWidth>(5);
    panel.SetFromSettings(settings);
    panel.ReadInto(read);
    EXPECT_EQ(static_cast<int>(read.FileCase), -1) << "a stored value outside the list selects nothing";
    EXPECT_EQ(static_cast<int>(read.ConvNum), -1) << "a stored value outside the pair selects neither";
}

TEST_F(CharKindPanelTest, CharKindChecksEnableTheirControlsAndKeepTheirChoices)
{
    settings.IsCase = settings.IsConvNum = true;
    settings.FileCase = LetterCase::Upper;
    settings.ConvNum = CharWidth::Full;
    CCharKindPanel panel(&window);
    panel.SetFromSettings(settings);
    const auto radios = panel.findChildren<QRadioButton *>();
    ASSERT_EQ(radios.size(), 6);
    EXPECT_TRUE(radios[0]->isEnabled());
    EXPECT_FALSE(radios[2]->isEnabled()) << "アルファベット is unchecked";

    EXPECT_TRUE(ReportsChange(panel, [&] { Find<QCheckBox>(panel, "大／小文字")->click(); }));
    EXPECT_FALSE(KindList(panel, 0)->isEnabled());
    EXPECT_FALSE(KindList(panel, 1)->isEnabled());
    EXPECT_FALSE(Find<QLabel>(panel, "拡張子")->isEnabled());
    EXPECT_TRUE(ReportsChange(panel, [&] { Find<QCheckBox>(panel, "数字")->click(); }));
    EXPECT_FALSE(radios[0]->isEnabled() || radios[1]->isEnabled());
    panel.ReadInto(read);
    EXPECT_EQ(CharKindFields(read), (std::array{0, 1, 0, 0, 1, 0, 0, 0, 0})) << "the choices are kept";

    Find<QCheckBox>(panel, "アルファベット")->click();
    EXPECT_TRUE(ReportsChange(panel, [&] { radios[3]->click(); }));
    EXPECT_TRUE(ReportsChange(panel, [&] { Choose(KindList(panel, 1), 3); }));
    panel.ReadInto(read);
    EXPECT_EQ(read.ConvAlpha, CharWidth::Full);
    EXPECT_EQ(read.ExtensionCase, LetterCase::Capitalised);
}

} // namespace
