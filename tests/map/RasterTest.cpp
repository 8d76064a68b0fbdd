#include "map/Raster.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Raster, SettingsColoursHaveRedInTheLowestByte) {
    EXPECT_EQ(ToRgb(0x0000FF), qRgb(255, 0, 0));
    EXPECT_EQ(ToRgb(0xFF0000), qRgb(0, 0, 255));
    EXPECT_EQ(ToRgb(-1), qRgb(255, 255, 255));  // the high byte is not a colour
}

TEST(Raster, BlocksAreClippedToThePicture) {
    QImage source(10, 10, QImage::Format_RGB32), target(8, 8, QImage::Format_RGB32);
    source.fill(Qt::white);
    target.fill(Qt::white);
    source.setPixel(0, 0, 0xFF123456);
    source.setPixel(9, 9, 0xFF123456);
    CopyBlock(target, -1, -1, source, 0, 0, 10, 10);
    EXPECT_TRUE(target.allGray());  // both marked corners fall beyond the target
    CopyBlock(target, 0, 0, source, -2, -2, 10, 10);
    EXPECT_EQ(target.pixel(2, 2), 0xFF123456);
    target.setPixel(2, 2, 0xFFFFFFFF);
    EXPECT_TRUE(target.allGray());
}

}  // namespace
}  // namespace qm
