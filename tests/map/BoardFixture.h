#pragma once
// A session with a drawn board of a few hand-placed areas, for reading pixels.

#include "map/Artwork.h"
#include "map/BoardPicture.h"
#include "map/Geometry.h"
#include "map/Raster.h"
#include "support/FakePort.h"

#include "MapParts.h"

#include <gtest/gtest.h>

#include <QImage>

namespace qm::test {

class BoardFixture : public ::testing::Test {
protected:
    BoardFixture() {
        DisplaySettings& d = session.map.display;
        d.BorderColour = 0x102030, d.WaterColour = 0x405060, d.NoGoColour = 0x708090;
        for (std::size_t i = 0; i < d.CountryColours.size(); ++i)
            d.CountryColours[i] = static_cast<std::int32_t>(0x0A0B00 + 0x110001 * i);
        session.game.PlayerCount = 5, session.game.CurrentPlayer = 1;
    }
    /// Gives the cell to the area and widens its box; with an owner, sets owner and terrain.
    AreaRecord& Place(int area, int column, int row, bool unitCell = false, int owner = -1,
                      std::int16_t type = kLand) {
        AreaRecord& r = session.game.area(area);
        if (owner >= 0) r.Owner = static_cast<std::int16_t>(owner), r.AreaType = type;
        session.map.hexes.at(column, row).Area = static_cast<std::int16_t>(area);
        session.map.hexes.at(column, row).ShowUnit = unitCell ? -1 : 0;
        const auto c = static_cast<std::int16_t>(column), w = static_cast<std::int16_t>(row);
        r.MinCol = std::min(r.MinCol, c), r.MaxCol = std::max(r.MaxCol, c);
        r.MinRow = std::min(r.MinRow, w), r.MaxRow = std::max(r.MaxRow, w);
        return r;
    }
    void Load(std::int16_t size, bool hexagons) {
        session.map.display.HexSize = size, session.map.display.HexDisplay = hexagons ? -1 : 0;
        LoadMapPicture(session.game, session.map, session.port);
    }
    const QImage& Board() const { return session.map.picture.picMap; }
    QRgb At(QPoint p) const { return Board().pixel(p); }
    QRgb Country(int player) const {
        return ToRgb(session.map.display.CountryColours[static_cast<std::size_t>(player)]);
    }
    std::array<QPoint, 6> Outline(int column, int row) const {
        return CellOutline(session.map.geometry, column, row);
    }
    QPoint Centre(int column, int row) const {
        const auto o = Outline(column, row);
        return {(o[0].x() + o[1].x()) / 2, o[2].y()};
    }
    /// The start of the 32-pixel band on the middle line of a cell.
    QPoint Band(int column, int row) const {
        return Outline(column, row)[0] + QPoint((session.map.geometry.HexSize - kUnitWidth) / 2,
                                                session.map.geometry.CellHeight / 2);
    }
    /// The 32 x 16 block of a cell's unit line, or of the label line above it.
    QImage Box(int column, int row, bool label = false) const {
        const QPoint b = Band(column, row);
        return Board().copy(b.x(), b.y() - (label ? kImageHeight : 0), kUnitWidth, kImageHeight);
    }

    FakePort port;
    MapParts session{port};
};

}  // namespace qm::test
