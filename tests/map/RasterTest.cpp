#include "map/Raster.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Raster, SettingsColoursHaveRedInTheLowestByte) {
    EXPECT_EQ(ToRgb(0x0000FF), qRgb(255, 0, 0));
    EXPECT_EQ(ToRgb(0xFF0000), qRgb(0, 0, 255));
    EXPECT_EQ(ToRgb(-1), qRgb(255, 255, 255));  // the high byte is not a colour
}

}  // namespace
}  // namespace qm
