#pragma once
// The properties the program relies on, checked on the world as the program
// reads it back from its two map data files, so that no broken world ships.

#include "map/HexPosition.h"
#include "map/LoadMapData.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace world {

/// The first fault found in the map data files in folder, or empty if none.
inline QString CheckWorldFiles(const QString& folder) {
    using namespace qm;
    ConsolePort port(QStringLiteral("make_world: "));
    Session session(port);
    session.game.PlayerCount = 12;
    if (!LoadMapData(session.game, session.map, session.port, {folder}))
        return QStringLiteral("the written files do not load");
    const auto area = [&](int a) -> const AreaRecord& { return session.game.area(a); };
    const auto cell = [&](HexPosition p) -> const HexCell& {
        return session.map.hexes.at(p.Column, p.Row);
    };
    const auto neighbours = [&](int a) {
        std::vector<int> list;
        for (int slot = 1; slot <= 14; ++slot)
            if (area(a).Neighbours[slot] != 0) list.push_back(area(a).Neighbours[slot]);
        return list;
    };
    const auto isWater = [&](int a) { return area(a).AreaType == kWater; };
    const auto fault = [](const char* what, int a) {
        return QStringLiteral("%1 (area %2)").arg(QLatin1String(what)).arg(a);
    };

    std::map<int, std::vector<HexPosition>> cells;
    for (std::int16_t c = 1; c <= kColumns; ++c)
        for (std::int16_t r = 1; r <= kRows; ++r) cells[cell({c, r}).Area].push_back({c, r});
    if (cells.count(0) != 0 || cells.size() != std::size_t{kLastArea})
        return QStringLiteral("not every cell has an area, or not every area has a cell");
    if (area(kNeutralArea).AreaType != kLand && area(kNeutralArea).AreaType != kCoast)
        return fault("the neutral area is not land", kNeutralArea);
    std::set<int> types;
    for (const auto& [a, own] : cells) {
        types.insert(area(a).AreaType);
        if (area(a).Name.isEmpty() || area(a).Name.contains('_')) return fault("a bad name", a);
        std::set<int> touching;
        int units = 0;
        for (const HexPosition p : own) {
            for (int side = 1; side <= kSides; ++side) {
                const auto next = NeighbourCell(p.Column, p.Row, side);
                const bool border = next && cell(*next).Area != a;
                if (cell(p).Border[static_cast<std::size_t>(side)] != (border ? 1 : 0))
                    return fault("a border not exactly between areas", a);
                if (border) touching.insert(cell(*next).Area);
            }
            const bool unit = cell(p).ShowUnit == -1;
            units += unit;
            if (cell(p).ShowNumber != (unit ? -1 : 0) ||
                cell(p).ShowSupply != (unit && area(a).Supply > 0 ? -1 : 0))
                return fault("number or supply marks off the unit cell", a);
        }
        if (units != 1) return fault("not one unit cell", a);
        // Each neighbour once, water first, empty places only after the last.
        const std::vector<int> list = neighbours(a);
        const auto& places = area(a).Neighbours;
        if (list.size() != touching.size() ||
            std::set<int>(places.begin() + 1, places.begin() + 1 + list.size()) != touching)
            return fault("neighbours not the areas across the borders", a);
        if (!std::is_partitioned(list.begin(), list.end(), isWater))
            return fault("neighbours not water first", a);
        for (const int n : list) {
            const auto back = neighbours(n);
            if (std::find(back.begin(), back.end(), a) == back.end())
                return fault("a one-way neighbour", a);
        }
        // Coast touches water, land does not.
        const int type = area(a).AreaType;
        if ((type == kLand || type == kCoast) &&
            type != (std::any_of(list.begin(), list.end(), isWater) ? kCoast : kLand))
            return fault("land and coast mixed up", a);
    }
    if (types.size() != 4) return QStringLiteral("not all four kinds of area");

    // The home section, as written: twelve distinct coastal supply centres.
    QFile file(folder + kAreaFileName);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("the area file cannot be read");
    const QList<QByteArray> lines = file.readAll().split('\n');
    std::set<int> homes;
    for (int i = kLastArea; i < kLastArea + 12 && i < lines.size(); ++i) {
        const int a = lines[i].split(',')[0].toInt();
        if (a < 1 || a > kLastArea || area(a).AreaType != kCoast || area(a).Supply <= 0 ||
            a == kNeutralArea)
            return fault("a home not on a coastal supply centre", a);
        homes.insert(a);
    }
    if (homes.size() != 12) return QStringLiteral("not twelve distinct homes");
    return {};
}

}  // namespace world
