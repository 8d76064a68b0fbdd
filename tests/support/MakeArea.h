#pragma once
// An area record in one line, for tests that lay out a few areas by hand.

#include "state/AreaRecord.h"

namespace qm::test {

inline AreaRecord MakeArea(int owner, int type, int supply, int unitType = kNoUnit,
                           int unitOwner = 0, const QString& command = {}, int parm1 = 0,
                           int parm2 = 0) {
    const auto n = [](int value) { return static_cast<std::int16_t>(value); };
    AreaRecord area;
    area.Owner = n(owner), area.AreaType = n(type), area.Supply = n(supply);
    area.UnitType = n(unitType), area.UnitOwner = n(unitOwner), area.Command = command;
    area.Parm1 = n(parm1), area.Parm2 = n(parm2);
    return area;
}

}  // namespace qm::test
