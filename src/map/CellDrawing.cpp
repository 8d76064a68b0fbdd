// The board layer: cells with their fill, borders, numbers, supply markers and units.

#include "map/CellDrawing.h"

#include "map/Artwork.h"
#include "map/HexSearch.h"
#include "map/MapState.h"
#include "map/Raster.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/UnitTypes.h"
#include "state/WindowPort.h"

#include <algorithm>
#include <thread>

namespace qm {

namespace {

enum class SizeClass { Plain, Small, Large };

// Boards of more pixels are drawn by two threads.
constexpr qint64 kBandedPixels = 8'000'000;

SizeClass SizeClassOf(const DisplaySettings& display) {
    if (display.HexDisplay != 0) {
        if (display.HexSize >= 26) return SizeClass::Large;
        if (display.HexSize >= 22) return SizeClass::Small;
        return SizeClass::Plain;
    }
    return display.HexSize >= 34 ? SizeClass::Large : SizeClass::Plain;
}

std::int32_t CountryColour(const DisplaySettings& display, int player) {
    // Owners are checked when the report is read; anything else shows as neutral.
    return display.CountryColours[static_cast<std::size_t>(IsPlayerNumber(player) ? player : 0)];
}

std::int32_t FillColour(const DisplaySettings& display, const AreaRecord& area) {
    if (area.AreaType == kWater) return display.WaterColour;
    if (area.AreaType == kNoEntry) return display.NoGoColour;
    return CountryColour(display, area.Owner);
}

const QImage& UnitImage(const MapPicture& picture, int type) {
    const int style = picture.UnitDisplay == 4 ? 4 : 0;
    return StandardArtwork(picture.Scale).picUnit[static_cast<std::size_t>(type - 1 + style)];
}

// The unit line: the owner's box where the unit is a guest or at sea, then
// the unit (half and half while it is being changed), or the unit being built.
void DrawUnit(QImage& board, const MapState& map, const AreaRecord& area, int x, int y) {
    const Artwork& art = StandardArtwork(map.picture.Scale);
    const int half = art.UnitWidth() / 2;
    if (IsUnitType(area.UnitType)) {
        if (area.UnitOwner != area.Owner || area.AreaType == kWater) {
            FillRectangle(board, x, y, x + art.UnitWidth(), y + art.ImageHeight(),
                          ToRgb(CountryColour(map.display, area.UnitOwner)));
        }
        int changedTo = kNoUnit;
        if (area.Command == kDowngrade) changedTo = area.UnitType + 1;
        if (area.Command == kUpgrade) changedTo = area.UnitType - 1;
        const QImage& image = UnitImage(map.picture, area.UnitType);
        if (IsUnitType(changedTo)) {
            XorImage(board, x, y, image, 0, half);
            XorImage(board, x + half, y, UnitImage(map.picture, changedTo), half, half);
        } else {
            XorImage(board, x, y, image);
        }
        return;
    }
    const int built = BuiltUnitType(area.Command);
    if (built != kNoUnit) XorImage(board, x, y, UnitImage(map.picture, built));
}

void DrawNumber(QImage& board, const Artwork& art, int number, int x, int y) {
    const QString text = QString::number(number);
    // Centred in the first three digits' width of the band.
    int at = x + (3 - static_cast<int>(std::min<qsizetype>(text.size(), 3))) * art.DigitWidth() / 2;
    for (const QChar digit : text) {
        if (!digit.isDigit()) continue;
        XorImage(board, at, y, art.picDigit[static_cast<std::size_t>(digit.unicode() - u'0')]);
        at += art.DigitWidth();
    }
}

// One cell on `board`, a picture of the board or of a band of its rows.
void DrawCellOn(QImage& board, const GameState& game, const MapState& map, int column, int row,
                int dx, int dy) {
    if (!map.picture.IsLoaded() || column < 1 || column > kColumns || row < 1 || row > kRows) {
        return;
    }
    const Geometry& geometry = map.geometry;
    const DisplaySettings& display = map.display;
    const std::array<QPoint, 6> outline = CellOutline(geometry, column, row, dx, dy);
    // The east-edge copy of most cells lies wholly beyond the picture (a
    // border line reaches one pixel past the outline).
    if (outline[5].x() - 1 >= board.width() || outline[2].x() < 0) return;

    const HexCell& cell = map.hexes.at(column, row);
    const AreaRecord& area = game.area(IsAreaNumber(cell.Area) ? cell.Area : 0);
    QRgb fill = ToRgb(FillColour(display, area));
    // An area not shown now, in its last seen owner's colour halfway to white.
    const Sighting& seen =
        map.lastSeen[static_cast<std::size_t>(IsAreaNumber(cell.Area) ? cell.Area : 0)];
    if (map.picture.ShowLastSeen && area.Owner == kUnseenOwner && seen.Seen() &&
        area.AreaType != kWater && area.AreaType != kNoEntry) {
        fill = Faded(ToRgb(CountryColour(display, seen.owner)));
    }
    FillCell(board, outline, fill);
    const QRgb border = ToRgb(display.BorderColour);
    for (int side = 1; side <= 6; ++side) {
        if (cell.Border[static_cast<std::size_t>(side)] != 0) {
            DrawWideLine(board, outline[static_cast<std::size_t>(side - 1)],
                         outline[static_cast<std::size_t>(side % 6)], border);
        }
    }

    const SizeClass size = SizeClassOf(display);
    if (size == SizeClass::Plain) return;
    const Artwork& art = StandardArtwork(map.picture.Scale);
    const int x = outline[0].x() + (geometry.HexSize - art.UnitWidth()) / 2;
    const int middle = outline[0].y() + geometry.CellHeight / 2;
    const bool showUnit = cell.ShowUnit != 0;
    const bool unitLine =
        showUnit && (area.UnitType >= kArmy || BuiltUnitType(area.Command) != kNoUnit);
    if (size == SizeClass::Small) {
        if (showUnit) DrawUnit(board, map, area, x, middle - art.ImageHeight() / 2);
        return;
    }

    const int labelLine = middle - art.ImageHeight();
    if (cell.ShowNumber != 0) DrawNumber(board, art, cell.Area, x, labelLine);
    if (cell.ShowSupply != 0 && area.Supply >= 1) {
        // Anything above three points wears the largest marker.
        const int marker = area.HomeFlag != 0 ? 2 : std::min<int>(area.Supply, 3) - 1;
        if (!unitLine) {
            XorImage(board, x, middle, art.picSupplyWide[static_cast<std::size_t>(marker)]);
        } else if (cell.ShowNumber != 0) {
            XorImage(board, x + 3 * art.DigitWidth(), labelLine,
                     art.picSupplyNarrow[static_cast<std::size_t>(marker)]);
        } else {
            XorImage(board, x, labelLine, art.picSupplyWide[static_cast<std::size_t>(marker)]);
        }
    }
    if (unitLine) DrawUnit(board, map, area, x, middle);
}

// The cells that reach into rows `top` to `bottom` - 1 of picMap, drawn into
// those rows alone: two bands drawn side by side give what one pass gives.
void DrawBand(const GameState& game, const MapState& map, uchar* pixels, int top, int bottom) {
    const QImage& whole = map.picture.picMap;
    QImage band(pixels + static_cast<qsizetype>(top) * whole.bytesPerLine(), whole.width(),
                bottom - top, whole.bytesPerLine(), whole.format());
    const int width = map.geometry.MapWidth();
    const auto reaches = [&](int column, int row) {
        const auto outline = CellOutline(map.geometry, column, row, 0, -top);
        return outline[3].y() + 1 >= 0 && outline[0].y() - 1 < band.height();
    };
    for (int row = 1; row <= kRows; ++row)
        for (int column = 1; column <= kColumns; ++column)
            if (reaches(column, row)) DrawCellOn(band, game, map, column, row, 0, -top);
    // The west corners of column 1 stick out past the west edge; they show at the east edge.
    for (int row = 1; row <= kRows; ++row)
        if (reaches(1, row)) DrawCellOn(band, game, map, 1, row, width, -top);
}

}  // namespace

void DrawCell(const GameState& game, MapState& map, int column, int row, int dx, int dy) {
    DrawCellOn(map.picture.picMap, game, map, column, row, dx, dy);
}

void RedrawWholeMap(const GameState& game, MapState& map, WindowPort& port) {
    if (!map.picture.IsLoaded()) return;
    port.SetBusy(true);
    // The cells cover the board but for the half rows above the shifted
    // columns and below the others, which stay white; filling only those keeps
    // a large board from being written twice.
    QImage& board = map.picture.picMap;
    const int half = map.geometry.CellHeight / 2 + 1;
    const int lowest = kRows * map.geometry.CellHeight - 1;
    FillRectangle(board, 0, 0, board.width(), half, 0xFFFFFFFF);
    FillRectangle(board, 0, lowest, board.width(), board.height(), 0xFFFFFFFF);
    uchar* pixels = board.bits();
    // A large board (a dense screen's) in two bands of rows at once, one a core.
    const int height = board.height();
    if (static_cast<qint64>(board.width()) * height < kBandedPixels) {
        DrawBand(game, map, pixels, 0, height);
    } else {
        std::thread lower([&] { DrawBand(game, map, pixels, height / 2, height); });
        DrawBand(game, map, pixels, 0, height / 2);
        lower.join();
    }
    port.SetBusy(false);
}

void RedrawArea(const GameState& game, MapState& map, std::int16_t area) {
    if (!map.picture.IsLoaded() || !IsAreaNumber(area)) return;
    const int width = map.geometry.MapWidth();
    ForEachCellOfArea(game, map.hexes, area, [&](int column, int row) {
        DrawCell(game, map, column, row, 0, 0);
        DrawCell(game, map, column, row, width, 0);
    });
}

}  // namespace qm
