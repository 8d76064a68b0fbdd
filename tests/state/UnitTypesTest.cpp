#include "state/UnitTypes.h"

#include "state/OrderCodes.h"
#include "state/TypeNames.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(UnitTypesTest, EachTypeFindsItsOwnRow) {
    const struct {
        std::int16_t type;
        const char* name;
        std::int16_t size;
        const char* build;
    } expected[] = {{kArmy, "army", 2, "AA"},
                    {kCorps, "corps", 1, "AC"},
                    {kFleet, "fleet", 2, "AF"},
                    {kSquadron, "squadron", 1, "AS"}};
    for (const auto& unit : expected) {
        SCOPED_TRACE(unit.name);
        ASSERT_NE(UnitKindOf(unit.type), nullptr);
        EXPECT_EQ(UnitKindOf(unit.type)->type, unit.type);
        EXPECT_EQ(UnitTypeName(unit.type), QLatin1String(unit.name));
        EXPECT_EQ(UnitTypeSize(unit.type), unit.size);
        EXPECT_EQ(BuildCode(unit.type), QLatin1String(unit.build));
        EXPECT_EQ(BuiltUnitType(QLatin1String(unit.build)), unit.type);
    }
}

TEST(UnitTypesTest, NoUnitAndUnknownTypesHaveNoRow) {
    for (const std::int16_t type : {kNoUnit, std::int16_t{5}, std::int16_t{-1}}) {
        EXPECT_EQ(UnitKindOf(type), nullptr);
        EXPECT_TRUE(UnitTypeName(type).isEmpty());
        EXPECT_EQ(UnitTypeSize(type), 0);
        EXPECT_TRUE(BuildCode(type).isEmpty());
    }
    EXPECT_EQ(BuiltUnitType(QStringLiteral("UU")), kNoUnit);
}

TEST(UnitTypesTest, OwnUnitNeedsTheOwnerAndAUnit) {
    AreaRecord area;
    area.UnitOwner = 3;
    area.UnitType = kSquadron;
    EXPECT_TRUE(IsOwnUnit(area, 3));
    EXPECT_FALSE(IsOwnUnit(area, 2));
    area.UnitType = kNoUnit;  // an empty area's unit owner is no unit
    EXPECT_FALSE(IsOwnUnit(area, 3));
}

}  // namespace
}  // namespace qm
