#include "state/UnitTypes.h"

#include "state/OrderCodes.h"
#include "state/TypeNames.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(UnitTypesTest, EachTypeFindsItsOwnRowAndNoOtherNumberARow) {
    const char* names[] = {"", "army", "corps", "fleet", "squadron", ""};
    const std::int16_t sizes[] = {0, 2, 1, 2, 1, 0};
    for (std::int16_t type = kNoUnit; type <= 5; ++type) {
        SCOPED_TRACE(type);
        EXPECT_EQ(UnitTypeName(type), QLatin1String(names[type]));
        EXPECT_EQ(UnitTypeSize(type), sizes[type]);
        EXPECT_EQ(BuiltUnitType(BuildCode(type)), IsUnitType(type) ? type : kNoUnit);
    }
    EXPECT_EQ(BuildCode(kCorps), QLatin1String("AC"));
}

}  // namespace
}  // namespace qm
