// Renders a report's map into a PNG, the way the map window draws it.
//
//   render_map [options] output.png
//     --report FILE   the player report (default: the sample game's plyrdata.2)
//     --data DIR      the folder of map-area.dat and map-hex.dat (default: data/)
//     --demo          made-up owners and units instead of a report; with no
//                     --data a made-up board too
//     --size N        cell size (default 26)
//     --hex           hexagons (the default is squares)
//     --symbols       units as symbols
//     --view WxH      only a view of that size, at --origin X,Y (default: the whole board)
//     --origin X,Y    the view's MapX, MapY
//     --centre N      the view centred on area N instead
//     --arrows N      draws N made-up orders (default 12): with a report, of the
//                     player's units to neighbouring areas
//     --ally FILE     an ally's commands.dat shown beside the player's orders
//     --scale N       drawn for a screen of N picture pixels to a window pixel
//                     (1 or 2; --view and --origin stay in window pixels)
//     --zoom N        every pixel written as N x N (default 1)
//     --artwork       a sheet of every image on every default colour instead of a map

#include "files/ReportReader.h"
#include "map/Artwork.h"
#include "map/BoardPicture.h"
#include "map/CentreOnArea.h"
#include "map/DisplaySettings.h"
#include "map/Geometry.h"
#include "map/HexPosition.h"
#include "map/LoadMapData.h"
#include "map/Raster.h"
#include "session/AllyOrders.h"
#include "session/Session.h"
#include "state/ConsolePort.h"
#include "state/OrderCodes.h"
#include "state/UnitTypes.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

using namespace qm;

// A made-up board: blocks of cells as areas, for looking at the drawing
// without a world.
void FillDemoCells(Session& session) {
    GameState& game = session.game;
    for (int column = 1; column <= kColumns; ++column) {
        for (int row = 1; row <= kRows; ++row) {
            const int area = std::min(((column - 1) / 3) * 11 + (row - 1) / 3 + 1, kLastArea);
            session.map.hexes.at(column, row).Area = static_cast<std::int16_t>(area);
        }
    }
    for (int column = 1; column <= kColumns; ++column) {
        for (int row = 1; row <= kRows; ++row) {
            HexCell& cell = session.map.hexes.at(column, row);
            AreaRecord& area = game.area(cell.Area);
            area.MinCol = std::min<std::int16_t>(area.MinCol, static_cast<std::int16_t>(column));
            area.MaxCol = std::max<std::int16_t>(area.MaxCol, static_cast<std::int16_t>(column));
            area.MinRow = std::min<std::int16_t>(area.MinRow, static_cast<std::int16_t>(row));
            area.MaxRow = std::max<std::int16_t>(area.MaxRow, static_cast<std::int16_t>(row));
            for (int side = 1; side <= 6; ++side) {
                const auto next = NeighbourCell(column, row, side);
                cell.Border[static_cast<std::size_t>(side)] =
                    next && session.map.hexes.at(next->Column, next->Row).Area != cell.Area ? 1 : 0;
            }
        }
    }
    for (int number = 1; number <= kLastArea; ++number) {
        AreaRecord& area = game.area(number);
        if (area.MaxCol == 0) continue;
        HexCell& middle =
            session.map.hexes.at((area.MinCol + area.MaxCol) / 2, (area.MinRow + area.MaxRow) / 2);
        middle.ShowNumber = middle.ShowUnit = middle.ShowSupply = -1;
        area.AreaType = number % 7 == 0 ? kWater : number % 29 == 0 ? kNoEntry : kLand;
        area.Supply = static_cast<std::int16_t>(number % 5 == 0 ? number % 3 + 1 : 0);
        area.HomeFlag = number % 17 == 0 ? -1 : 0;
    }
}

// Made-up owners, units and unit orders, every kind in turn.
void FillDemoOwners(Session& session) {
    GameState& game = session.game;
    game.PlayerCount = 13;
    game.CurrentPlayer = 1;
    for (int number = 1; number <= kLastArea; ++number) {
        AreaRecord& area = game.area(number);
        area.Owner = static_cast<std::int16_t>(area.AreaType == kWater ? 0 : number % 13);
        area.UnitType = kNoUnit;
        if (number % 3 != 1) {
            const int kind = number % 4 + 1;
            // Fleets and squadrons at sea, armies and corps ashore.
            area.UnitType = static_cast<std::int16_t>(area.AreaType == kWater ? (kind + 1) / 2 + 2
                                                                              : (kind + 1) / 2);
            area.UnitOwner =
                number % 6 == 0 ? static_cast<std::int16_t>((number / 6) % 13) : area.Owner;
        }
        static const char* const kCommands[] = {"", "UU", "DU", "", "AA", "AF", "", "AC", "AS"};
        if (number % 11 == 4) area.Command = QString::fromLatin1(kCommands[(number / 11) % 9]);
    }
}

// Made-up orders of units to their neighbouring blocks, some across the wrap.
void AddDemoOrders(Session& session, int count) {
    for (int i = 0; i < count; ++i) {
        const int from = 1 + (i * 37) % kLastArea;
        const int to = i % 5 == 0 ? (from + 242) % kLastArea + 1 : std::min(from + 11, kLastArea);
        AreaRecord& area = session.game.area(from);
        // MO, SA, SD and CO in turn.
        area.Command = kArrowOrders[static_cast<std::size_t>(i + 1) % kArrowOrders.size()];
        area.Parm1 = static_cast<std::int16_t>(to);
    }
}

// Orders a player might give: the player's units move to, or support, a
// neighbouring area.
void AddPlayerOrders(Session& session, int count) {
    static const char* const kCodes[] = {"MO", "SA", "MO", "SD", "CO"};
    int given = 0;
    for (int number = 1; number <= kLastArea && given < count; ++number) {
        AreaRecord& area = session.game.area(number);
        if (!IsOwnUnit(area, session.game.CurrentPlayer)) continue;
        const int neighbour = area.Neighbours[static_cast<std::size_t>(1 + given % 3)];
        if (!IsAreaNumber(neighbour)) continue;
        area.Command = QString::fromLatin1(kCodes[given % 5]);
        area.Parm1 = static_cast<std::int16_t>(neighbour);
        ++given;
    }
}

// Every image on every default colour, water and no-go, combined as on the board.
QImage ArtworkSheet() {
    const Artwork& art = StandardArtwork();
    const DisplaySettings colours;
    std::vector<std::int32_t> fills(colours.CountryColours.begin(), colours.CountryColours.end());
    fills.push_back(colours.WaterColour);
    constexpr int kScale = 2;
    QImage sheet(8 * 36 + 84 + 3 * 34 + 3 * 10 + 4, static_cast<int>(fills.size()) * 20,
                 QImage::Format_RGB32);
    for (std::size_t i = 0; i < fills.size(); ++i) {
        const int y = static_cast<int>(i) * 20;
        FillRectangle(sheet, 0, y, sheet.width(), y + 20, ToRgb(fills[i]));
        int x = 2;
        for (const QImage& unit : art.picUnit) XorImage(sheet, x, y + 2, unit), x += 36;
        for (int d = 0; d < 10; ++d)
            XorImage(sheet, x + d * 8, y + 2, art.picDigit[static_cast<std::size_t>(d)]);
        x += 84;
        for (const QImage& marker : art.picSupplyWide) XorImage(sheet, x, y + 2, marker), x += 34;
        for (const QImage& marker : art.picSupplyNarrow) XorImage(sheet, x, y + 2, marker), x += 10;
    }
    return sheet.scaled(sheet.size() * kScale);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QString dataDir = QStringLiteral(ZEZ_DATA_DIR);
    parser.addOptions({
        {"report", "The player report.", "file", dataDir + "/sample/1882-3/plyrdata.2"},
        {"data", "The folder of the map data files.", "dir", dataDir},
        {"demo", "A made-up board."},
        {"size", "Cell size.", "n", "26"},
        {"hex", "Hexagons."},
        {"symbols", "Units as symbols."},
        {"view", "View size.", "WxH"},
        {"origin", "View origin MapX,MapY.", "x,y", "0,0"},
        {"centre", "The area the view is centred on.", "n"},
        {"arrows", "Made-up orders to draw.", "n", "12"},
        {"ally", "An ally's orders file.", "file"},
        {"scale", "Device pixel ratio drawn for.", "n", "1"},
        {"zoom", "Pixel scale of the PNG.", "n", "1"},
        {"artwork", "The artwork sheet."},
    });
    parser.addPositionalArgument("output", "The PNG to write.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(1);
    const QString output = parser.positionalArguments().first();

    if (parser.isSet("artwork")) return ArtworkSheet().save(output) ? 0 : 1;

    ConsolePort port;
    Session session(port);
    session.map.display.HexDisplay = parser.isSet("hex") ? -1 : 0;
    session.map.display.HexSize =
        LimitHexSize(parser.value("size").toInt(), session.map.display.HexDisplay);
    session.map.picture.UnitDisplay = parser.isSet("symbols") ? 4 : 0;
    if (parser.isSet("demo")) {
        session.game.PlayerCount = 13;
        if (!parser.isSet("data")) {
            FillDemoCells(session);
        } else if (!LoadMapData(session.game, session.map, session.port,
                                {QDir(parser.value("data")).absolutePath() + '/'})) {
            return 1;
        }
        FillDemoOwners(session);
        AddDemoOrders(session, parser.value("arrows").toInt());
    } else {
        const QFileInfo report(parser.value("report"));
        if (!ReadReport(session.game, session.port, report.absolutePath() + '/', report.fileName()))
            return 1;
        if (!LoadMapData(session.game, session.map, session.port,
                         {QDir(parser.value("data")).absolutePath() + '/'}))
            return 1;
        AddPlayerOrders(session, parser.value("arrows").toInt());
    }
    const QStringList origin = parser.value("origin").split(',');
    session.map.display.MapX = static_cast<std::int16_t>(origin.value(0).toInt());
    session.map.display.MapY = static_cast<std::int16_t>(origin.value(1).toInt());
    SetMapScale(session.map, parser.value("scale").toInt());
    LoadMapPicture(session.game, session.map, session.port);
    int width = session.map.picture.picMap.width();
    int height = session.map.picture.picMap.height();
    if (parser.isSet("view")) {
        const QStringList size = parser.value("view").split('x');
        width = size.value(0).toInt();
        height = size.value(1).toInt();
    }
    if (parser.isSet("view"))
        width *= session.map.picture.Scale, height *= session.map.picture.Scale;
    SetViewSize(session.map, width, height);
    if (parser.isSet("centre"))
        CentreOnArea(session.game, session.map, session.port,
                     static_cast<std::int16_t>(parser.value("centre").toInt()));
    if (parser.isSet("ally") && !ShowAllyOrders(session, parser.value("ally"))) return 1;
    RefreshView(session.game, session.map, session.port);
    const int zoom = std::clamp(parser.value("zoom").toInt(), 1, 8);
    if (!session.map.picture.picView.scaled(session.map.picture.picView.size() * zoom)
             .save(output)) {
        QTextStream(stderr) << "Cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
