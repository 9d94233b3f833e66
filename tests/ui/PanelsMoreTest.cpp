// The character-kind, replace, range-replace and insert panels: what they
// show of a record, what the main window reads back, their number fields and
// which controls they enable.
#include "ModalTesting.h"
#include "support/TempDir.h"

#include "engine/RenameSettings.h"
#include "platform/HistoryList.h"
#include "ui/panels/CharKindPanel.h"
#include "ui/panels/InsertPanel.h"
#include "ui/panels/NumberField.h"
#include "ui/panels/RangeReplacePanel.h"
#include "ui/panels/ReplacePanel.h"
#include "ui/widgets/HistoryComboBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace {

template <typename Widget> Widget *Find(CModePanel &panel, const QString &text)
{
    for (Widget *widget : panel.findChildren<Widget *>()) {
        if (widget->text() == text)
            return widget;
    }
    ADD_FAILURE() << "no control " << text.toStdString();
    return nullptr;
}

// The first drop-down list that is not a history combo.
QComboBox *KindList(CModePanel &panel, int which = 0)
{
    for (QComboBox *combo : panel.findChildren<QComboBox *>()) {
        if (!qobject_cast<CHistoryComboBox *>(combo) && which-- == 0)
            return combo;
    }
    return nullptr;
}

CNumberField *Field(CModePanel &panel, int which)
{
    return panel.findChildren<CNumberField *>().value(which);
}

// A selection made by the user.
void Choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

QString Typed(CNumberField *field, const QString &keys)
{
    field->SetText("");
    QTest::keyClicks(field, keys);
    return field->Text();
}

QString LeftEmpty(CNumberField *field)
{
    field->SetText("");
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &event);
    return field->Text();
}

// The character-kind fields as the integers they are stored as.
std::array<int, 9> CharKindFields(const CRenameSettings &s)
{
    const auto stored = [](auto value) { return static_cast<int>(value); };
    return {stored(s.IsCase),    stored(s.FileCase),   stored(s.ExtensionCase),
            stored(s.IsConvNum), stored(s.ConvNum),    stored(s.IsConvAlpha),
            stored(s.ConvAlpha), stored(s.IsConvKana), stored(s.ConvKana)};
}

class PanelsMoreTest : public ::testing::Test {
protected:
    // Whether the panel reports a change for what `action` does.
    template <typename Action> bool ReportsChange(CModePanel &panel, Action action)
    {
        QCoreApplication::processEvents();
        QSignalSpy changed(&panel, &CModePanel::PanelChanged);
        action();
        QCoreApplication::processEvents();
        return changed.count() == 1;
    }

    testing_support::IsolatedUserDirs userDirs;
    HostDialog window;
    CRenameSettings settings;
    CRenameSettings read;
};

TEST_F(PanelsMoreTest, CharKindPanelShowsTheRecordAndIsReadBack)
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

TEST_F(PanelsMoreTest, CharKindChecksEnableTheirControlsAndKeepTheirChoices)
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

TEST_F(PanelsMoreTest, ReplacePanelTextsComeFromAndGoToTheirHistories)
{
    platform::SaveHistory("History", "ReplaceStr1", {"old"});
    settings.ReplaceStr1 = "not shown";
    settings.IsReplaceCase = 1;
    {
        CReplacePanel panel(&window);
        panel.SetFromSettings(settings);
        panel.findChildren<CHistoryComboBox *>()[1]->SetCurrentText("new");
        EXPECT_TRUE(ReportsChange(panel, [&] { Find<QCheckBox>(panel, "大小文字を同一視")->click(); }));
        panel.ReadInto(read);
        EXPECT_EQ(read.ReplaceStr1, "old");
        EXPECT_EQ(read.ReplaceStr2, "new");
        EXPECT_FALSE(read.IsReplaceCase);
        panel.SaveHistories();
    }
    EXPECT_EQ(platform::LoadHistory("History", "ReplaceStr2"), (std::vector<std::string>{"new"}));
}

TEST_F(PanelsMoreTest, RangeReplacePanelShowsTheRecordAndIsReadBack)
{
    platform::SaveHistory("History", "ReplaceStr", {"x"});
    settings.ReplaceMode = RangePosition::FromBack;
    settings.ReplaceNum = 5;
    settings.ReplaceWidth = 4;
    CRangeReplacePanel panel(&window);
    panel.SetFromSettings(settings);
    panel.ReadInto(read);
    EXPECT_EQ(std::tuple(read.ReplaceMode, read.ReplaceNum, read.ReplaceWidth, read.ReplaceStr),
              std::tuple(RangePosition::FromBack, 5, 4, std::string("x")));

    Field(panel, 0)->SetText("");
    Field(panel, 1)->SetText("");
    panel.ReadInto(read);
    EXPECT_EQ(read.ReplaceNum, 2) << "an empty position reads as 2";
    EXPECT_EQ(read.ReplaceWidth, 0) << "an empty count reads as 0: nothing replaced, the text inserted";
}

TEST_F(PanelsMoreTest, RangeReplaceNumberFieldsKeepTheirLimits)
{
    settings.ReplaceMode = RangePosition::FromFront;
    CRangeReplacePanel panel(&window);
    panel.SetFromSettings(settings);
    CNumberField *position = Field(panel, 0);
    CNumberField *count = Field(panel, 1);

    EXPECT_EQ(Typed(position, "1"), "2") << "position 1 is the kind 前から";
    EXPECT_EQ(Typed(position, "150"), "99");
    EXPECT_EQ(Typed(count, "0"), "1");
    EXPECT_EQ(Typed(count, "100"), "99");
    EXPECT_EQ(LeftEmpty(position), "2");
    EXPECT_EQ(LeftEmpty(count), "1");
    EXPECT_GT(position->sizeHint().width(), position->fontMetrics().horizontalAdvance("99"));

    position->SetText("");
    EXPECT_TRUE(ReportsChange(panel, [&] { position->stepBy(1); }));
    EXPECT_EQ(position->Text(), "2") << "an empty field steps from 0";
    count->SetText("99");
    count->stepBy(1);
    EXPECT_EQ(count->Text(), "99");
    count->stepBy(-1);
    EXPECT_EQ(count->Text(), "98");
}

TEST_F(PanelsMoreTest, PositionIsEnabledOnlyForTheKindsThatCountIt)
{
    platform::SaveHistory("History", "InsertStr", {"_new"});
    settings.ReplaceNum = 7;
    settings.InsertNum = 8;
    CRangeReplacePanel range(&window);
    range.SetFromSettings(settings);
    CInsertPanel insert(&window);
    insert.SetFromSettings(settings);
    const std::pair<CModePanel *, QString> panels[] = {{&range, "字目から"}, {&insert, "字目に"}};
    for (const auto &[panel, caption] : panels) {
        SCOPED_TRACE(caption.toStdString());
        QWidget *position = Field(*panel, 0);
        QLabel *label = Find<QLabel>(*panel, caption);
        for (int kind : {0, 1, 2, 3}) {
            EXPECT_TRUE(ReportsChange(*panel, [&] { Choose(KindList(*panel), kind); }));
            EXPECT_EQ(position->isEnabled(), kind % 2 == 1) << kind;
            EXPECT_EQ(label->isEnabled(), kind % 2 == 1) << kind;
        }
    }
    range.ReadInto(read);
    insert.ReadInto(read);
    EXPECT_EQ(std::tuple(read.ReplaceMode, read.ReplaceNum, read.InsertMode, read.InsertNum, read.InsertStr),
              std::tuple(RangePosition::FromBack, 7, InsertPosition::FromBack, 8, std::string("_new")));
    Choose(KindList(range), 0);
    range.ReadInto(read);
    EXPECT_EQ(read.ReplaceNum, 7) << "a disabled position keeps its value";
}

} // namespace
