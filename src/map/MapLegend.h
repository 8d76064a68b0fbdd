#pragma once
// The map's legend: each picture the board shows, drawn as the board draws it,
// with what it means.

#include "map/DisplaySettings.h"

#include <QImage>
#include <QString>

#include <vector>

namespace qm {

struct LegendEntry {
    QImage picture;  // 32 x 16, on the neutral colour
    QString meaning;
};

/// Unit pictures and symbols, the unit box, the half pictures of an upgrade
/// or downgrade, builds, area numbers, supply markers and the four arrows in
/// the current colours.
std::vector<LegendEntry> MapLegend(const DisplaySettings& display);

}  // namespace qm
