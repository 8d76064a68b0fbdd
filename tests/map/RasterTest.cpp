#include "map/Raster.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kInk = 0xFF123456;

QImage White(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

int Count(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == kInk;
    return count;
}

TEST(Raster, SettingsColoursHaveRedInTheLowestByte) {
    EXPECT_EQ(ToRgb(0x0000FF), qRgb(255, 0, 0));
    EXPECT_EQ(ToRgb(0xFF0000), qRgb(0, 0, 255));
    EXPECT_EQ(ToRgb(-1), qRgb(255, 255, 255));  // the high byte is not a colour
}

TEST(Raster, LinesOfWidthOneTwoAndThree) {
    QImage image = White(40, 20);
    DrawLine(image, {5, 10}, {30, 10}, 1, kInk);
    EXPECT_EQ(Count(image), 26);
    image = White(40, 20);
    DrawLine(image, {10.4f, 2.6f}, {10.4f, 17.4f}, 1, kInk);  // ends rounded to pixels
    EXPECT_EQ(Count(image), 15);
    EXPECT_EQ(image.pixel(10, 3), kInk);
    image = White(40, 20);
    DrawLine(image, {5, 10}, {30, 10}, 3, kInk);
    EXPECT_EQ(image.pixel(17, 9), kInk);
    EXPECT_EQ(image.pixel(17, 11), kInk);
    EXPECT_EQ(image.pixel(17, 12), kWhite);
    EXPECT_EQ(image.pixel(4, 10), kInk);  // rounded ends reach one pixel further
    EXPECT_EQ(image.pixel(4, 9), kWhite);
    image = White(40, 40);
    DrawWideLine(image, {5, 10}, {30, 10}, kInk);
    EXPECT_EQ(Count(image), 2 * 26);
    EXPECT_EQ(image.pixel(5, 9), kInk);
    image = White(40, 40);
    DrawWideLine(image, {10, 5}, {20, 25}, kInk);  // steep: two pixels across each row
    EXPECT_EQ(Count(image), 2 * 21);
}

TEST(Raster, EverythingIsClippedToThePicture) {
    QImage image = White(40, 40);
    DrawLine(image, {-30000, -5}, {30000, 25}, 3, kInk);
    EXPECT_GT(Count(image), 40);
    // Rectangles leave out their right column and bottom row.
    image = White(40, 40);
    FillRectangle(image, 2, 3, 34, 19, kInk);
    EXPECT_EQ(Count(image), 32 * 16);
    EXPECT_EQ(image.pixel(34, 18), kWhite);
    FillRectangle(image, -10, -10, 100, 100, kInk);
    EXPECT_EQ(Count(image), 40 * 40);
    QImage source = White(10, 10);
    source.setPixel(0, 0, kInk);
    source.setPixel(9, 9, kInk);
    QImage target = White(8, 8);
    CopyBlock(target, -1, -1, source, 0, 0, 10, 10);
    EXPECT_EQ(Count(target), 0);  // both marked corners fall beyond the target
    CopyBlock(target, 0, 0, source, -2, -2, 10, 10);
    EXPECT_EQ(target.pixel(2, 2), kInk);
    EXPECT_EQ(Count(target), 1);
}

}  // namespace
}  // namespace qm
