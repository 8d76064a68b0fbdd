#pragma once
// An area record in one line, for tests that lay out a few areas by hand.

#include "state/AreaRecord.h"

namespace qm::test {

inline AreaRecord MakeArea(int owner, int type, int supply, int unitType = kNoUnit,
                           int unitOwner = 0, const QString& command = {}, int parm1 = 0,
                           int parm2 = 0) {
    AreaRecord area;
    area.Owner = static_cast<std::int16_t>(owner);
    area.AreaType = static_cast<std::int16_t>(type);
    area.Supply = static_cast<std::int16_t>(supply);
    area.UnitType = static_cast<std::int16_t>(unitType);
    area.UnitOwner = static_cast<std::int16_t>(unitOwner);
    area.Command = command;
    area.Parm1 = static_cast<std::int16_t>(parm1);
    area.Parm2 = static_cast<std::int16_t>(parm2);
    return area;
}

}  // namespace qm::test
