#include "games/kit/KitTable.h"

#include "foundation/CardPictures.h"
#include "foundation/DrawHelpers.h"

#include <gtest/gtest.h>

namespace {

// A canvas painted over and a background of one colour: what is put back shows.
struct KitTableTest : ::testing::Test {
    QImage savedBackground;
    void SetUp() override
    {
        savedBackground = CardPictures::TableBackground;
        CardPictures::TableBackground = QImage(200, 100, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(QColor(0, 128, 0));
    }
    void TearDown() override { CardPictures::TableBackground = savedBackground; }
};

TEST_F(KitTableTest, RestoreBackgroundPutsBackExactlyTheRectangle)
{
    platform::Canvas canvas(200, 100);
    canvas.image().fill(Qt::black);
    Kit::RestoreBackground(canvas, 10, 20, 30, 40);
    const QImage& img = canvas.image();
    EXPECT_EQ(QColor(img.pixel(10, 20)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(img.pixel(39, 59)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(img.pixel(40, 59)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(39, 60)), QColor(Qt::black));
    EXPECT_EQ(QColor(img.pixel(9, 20)), QColor(Qt::black));
}

TEST_F(KitTableTest, EmptyRectangleOrNoBackgroundChangesNothing)
{
    platform::Canvas canvas(200, 100);
    canvas.image().fill(Qt::black);
    Kit::RestoreBackground(canvas, 10, 20, 0, 40);
    Kit::RestoreBackground(canvas, 10, 20, 30, -1);
    CardPictures::TableBackground = QImage();
    Kit::RestoreBackground(canvas, 10, 20, 30, 40);
    EXPECT_EQ(QColor(canvas.image().pixel(20, 30)), QColor(Qt::black));
}

TEST(KitTable, NoWindowNoTableImage)
{
    EXPECT_EQ(Kit::TableImage(), nullptr);
}

} // namespace
