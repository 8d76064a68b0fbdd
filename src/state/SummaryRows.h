#pragma once
// The rows of the summary window: each total's label and where its value
// comes from, in the order the window shows them.

#include "state/Totals.h"

#include <array>
#include <cstdint>

namespace qm {

struct SummaryRow {
    const char* label;
    std::int16_t Totals::*value;
};

inline constexpr std::array<SummaryRow, 8> kSummaryRows{{
    {"Armies", &Totals::ArmyCount},
    {"Corps", &Totals::CorpsCount},
    {"Fleets", &Totals::FleetCount},
    {"Squadrons", &Totals::SquadronCount},
    {"Land", &Totals::LandAreaCount},
    {"Water", &Totals::WaterAreaCount},
    {"Max Sply", &Totals::MaxSupply},
    {"Free Sply", &Totals::FreeSupply},
}};

/// The summary grid's column 0 holds the labels, this one the values.
inline constexpr int kSummaryValueColumn = 1;

/// The row that AdjustFreeSupply keeps up to date between refreshes.
inline constexpr int kFreeSupplyRow = 7;
static_assert(kSummaryRows[kFreeSupplyRow].value == &Totals::FreeSupply);

}  // namespace qm
