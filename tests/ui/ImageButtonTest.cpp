// The picture button: centred picture, pushed in while pressed or latched,
// raised while the pointer is over it, greyed when disabled.
#include "ui/widgets/ImageButton.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QIcon SolidIcon(const QColor &color)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// Bounding box of the pixels of exactly this colour.
QRect FindColor(const QImage &image, const QColor &color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                box |= QRect(x, y, 1, 1);
    return box;
}

class ImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        button.SetImage(SolidIcon(kPicture), QSize(8, 8));
        button.resize(30, 24);
        button.show();
    }
    QImage render() { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void enter()
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &event);
    }
    void leave()
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&button, &event);
    }

    const QColor kPicture{200, 30, 40};
    CImageButton button;
};

TEST_F(ImageButtonTest, PictureIsCentredAndPushedInWhilePressedOrLatched)
{
    const QRect idle = FindColor(render(), kPicture);
    ASSERT_EQ(idle.size(), QSize(8, 8));
    EXPECT_EQ(idle.center(), QRect(0, 0, 30, 24).center());

    button.setDown(true);
    EXPECT_EQ(FindColor(render(), kPicture), idle.translated(1, 1));
    button.setDown(false);

    button.SetLatched(true);
    EXPECT_EQ(FindColor(render(), kPicture), idle.translated(1, 1));
}

TEST_F(ImageButtonTest, DisabledPictureIsGreyed)
{
    button.setEnabled(false);
    EXPECT_TRUE(FindColor(render(), kPicture).isEmpty());
}

TEST_F(ImageButtonTest, HoverRaisesAndLatchedPatternComesBackWhenThePointerLeaves)
{
    const QRgb face = button.palette().color(QPalette::Button).rgb();
    const QRgb light = button.palette().color(QPalette::Light).rgb();
    const QRgb shadow = button.palette().color(QPalette::Dark).rgb();
    // Flat while idle.
    QImage image = render();
    EXPECT_EQ(image.pixel(0, 0), face);

    enter();
    EXPECT_TRUE(button.IsHot());
    image = render();
    EXPECT_EQ(image.pixel(0, 0), light);    // raised: light top-left
    EXPECT_EQ(image.pixel(29, 23), shadow); // dark bottom-right

    button.SetLatched(true);
    image = render();
    EXPECT_EQ(image.pixel(0, 0), light); // still raised while hot
    EXPECT_EQ(image.pixel(3, 3), face);  // no pattern while hot

    leave();
    EXPECT_FALSE(button.IsHot());
    image = render();
    EXPECT_EQ(image.pixel(0, 0), shadow); // sunken
    // The checker pattern alternates face and light colours inside the margin.
    EXPECT_NE(image.pixel(3, 3), image.pixel(4, 3));
    EXPECT_EQ(image.pixel(1, 1), face); // the margin keeps the face colour
}

TEST_F(ImageButtonTest, DisabledButtonIsNeverHotAndLosesHotWhenDisabled)
{
    enter();
    ASSERT_TRUE(button.IsHot());
    button.setEnabled(false);
    EXPECT_FALSE(button.IsHot());
    enter();
    EXPECT_FALSE(button.IsHot());
}

TEST_F(ImageButtonTest, ClicksLikeAPushButtonAndSizesToPictureAndText)
{
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);

    const QSize pictureOnly = button.sizeHint();
    button.setText(QStringLiteral("実行"));
    EXPECT_GT(button.sizeHint().width(), pictureOnly.width());
}

} // namespace
