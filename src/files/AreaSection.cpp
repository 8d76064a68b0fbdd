#include "files/AreaSection.h"

#include "io/ItemReader.h"
#include "state/Limits.h"
#include "state/UnitTypes.h"

namespace qm {

namespace {

AreaSection Fail(AreaSection::Problem problem, int line, QString detail = {}) {
    AreaSection failed;
    failed.problem = problem;
    failed.line = line;
    failed.detail = std::move(detail);
    return failed;
}

}  // namespace

AreaSection ReadAreaSection(ItemReader& in) {
    const std::optional<std::int16_t> count = in.Number();
    if (!count || *count < 0) return Fail(AreaSection::Problem::BadCount, in.line());
    if (*count > kLastArea) return Fail(AreaSection::Problem::TooManyAreas, in.line());

    AreaSection areas;
    areas.records.reserve(static_cast<std::size_t>(*count));
    for (int k = 1; k <= *count; ++k) {
        AreaLine record;
        for (std::int16_t* field :
             {&record.area, &record.owner, &record.unitOwner, &record.unitType}) {
            const std::optional<std::int16_t> value = in.Number();
            if (!value) {
                // The end of the file has no line worth naming.
                const bool ended = in.error() == ItemReader::Error::EndOfData;
                return Fail(AreaSection::Problem::BadItem, ended ? 0 : in.line(),
                            DescribeItemError(in.error()));
            }
            *field = *value;
        }
        if (!IsAreaNumber(record.area))
            return Fail(AreaSection::Problem::AreaOutOfRange, in.line());
        if (!IsPlayerNumber(record.owner) || !IsPlayerNumber(record.unitOwner))
            return Fail(AreaSection::Problem::OwnerOutOfRange, in.line());
        if (record.unitType != kNoUnit && !IsUnitType(record.unitType))
            return Fail(AreaSection::Problem::UnitOutOfRange, in.line());
        areas.records.push_back(record);
    }
    return areas;
}

}  // namespace qm
