// The number field: typed values held within its limits, the default back
// when it is left empty, and spin steps.
#include "ui/panels/NumberField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void LoseFocus(QWidget *widget)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &event);
}

TEST(NumberFieldTest, TypedValuesAreHeldWithinTheLimits)
{
    CNumberField field(0, 999999, "1");
    field.SetText("");
    QTest::keyClicks(&field, "1234567");
    EXPECT_EQ(field.Text(), "999999");

    field.SetText("");
    QTest::keyClicks(&field, "-");
    EXPECT_EQ(field.Text(), "-") << "a lone sign is not yet below the limit";
    QTest::keyClicks(&field, "5");
    EXPECT_EQ(field.Text(), "0");
    EXPECT_EQ(field.Value(), 0);

    field.SetText("99999999999999999999");
    EXPECT_EQ(field.Text(), "999999") << "an overlong number saturates instead of wrapping";
}

TEST(NumberFieldTest, LeavingTheFieldRestoresTheDefaultAndNormalisesTheText)
{
    CNumberField field(0, 999999, "1");
    field.SetText("");
    EXPECT_EQ(field.Value(), 0) << "an empty field reads as 0";
    LoseFocus(&field);
    EXPECT_EQ(field.Text(), "1");

    field.SetText("007");
    LoseFocus(&field);
    EXPECT_EQ(field.Text(), "7");
    field.SetText("12abc");
    EXPECT_EQ(field.Value(), 12);
    LoseFocus(&field);
    EXPECT_EQ(field.Text(), "12");
}

TEST(NumberFieldTest, SpinStepsAddToTheValueAndReportEachChange)
{
    CNumberField field(0, 999999, "1");
    field.SetText("007");
    QSignalSpy edited(&field, &CNumberField::Edited);
    field.stepBy(1);
    EXPECT_EQ(field.Text(), "8");
    field.stepBy(-10);
    EXPECT_EQ(field.Text(), "0");
    field.SetText("999999");
    field.stepBy(1);
    EXPECT_EQ(field.Text(), "999999");
    EXPECT_GE(edited.count(), 3);
}

} // namespace
