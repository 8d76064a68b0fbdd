#pragma once
// The main window started on a report with its map window shown, and the
// mouse on the map: clicks and double-clicks at an area's unit cell.

#include "ui/WindowsFixture.h"

#include "map/BoardPicture.h"
#include "map/Geometry.h"
#include "map/HexSearch.h"
#include "orders/MapClicks.h"
#include "ui/AreaGridModel.h"
#include "ui/MapView.h"
#include "ui/frmMap.h"
#include "ui/frmSummary.h"

#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

namespace qm::test {

class MapFixture : public WindowsFixture {
protected:
    /// Starts on the report with the map as hexagons large enough to show units.
    void StartOnMap(const ReportText& report) {
        StartOnHexMap(report);
        messages.clear();  // the missing working copy
        ASSERT_NE(map(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(map()));
    }

    frmMap* map() { return mainWindow().mapWindow(); }
    MapView* view() { return map()->picView(); }
    QString Grid(int row, int column) { return mainWindow().areaGrid().GridCell(row, column); }
    QString Summary(int row) {
        return mainWindow().summaryWindow()->grdSummary()->item(row, 1)->text();
    }
    int TopArea() { return mainWindow().grdArea()->rowAt(0) + 1; }

    /// A point of picView inside the area's unit cell, in the window's pixels
    /// (half the picture's on a dense screen), scrolling the map there if needed.
    QPoint PointOf(int area) {
        const auto cell = FindHexOfArea(session().game, session().map.hexes, area);
        EXPECT_TRUE(cell.has_value()) << area;
        if (!cell) return {};
        QPoint centre;
        for (const QPoint& corner : CellOutline(session().map.geometry, cell->Column, cell->Row))
            centre += corner;
        centre /= 6;
        DisplaySettings& display = session().map.display;
        const int scale = map()->Scale();
        QPoint point = centre + QPoint(display.MapX, display.MapY);
        const QRect room = session().map.picture.picView.rect().adjusted(5, 5, -5, -5) &
                           view()->rect().adjusted(5, 5, -5, -5);
        if (!room.contains(point)) {
            display.MapX = static_cast<std::int16_t>(60 - centre.x());
            display.MapY = static_cast<std::int16_t>(std::min(0, 60 - centre.y()));
            map()->resize(map()->size());  // refits and redraws the view
            RefreshView(session().game, session().map, session().port);
            point = centre + QPoint(display.MapX, display.MapY);
        }
        point /= scale;
        const auto hit = HexAtPoint(session().map.geometry, session().map.display,
                                    float(point.x() * scale), float(point.y() * scale));
        EXPECT_TRUE(hit && session().map.hexes.at(hit->Column, hit->Row).Area == area) << area;
        return point;
    }
    /// A rectangle of the window's pixels in the picture's.
    QRect InPicture(QRect rect) {
        return {rect.topLeft() * map()->Scale(), rect.size() * map()->Scale()};
    }

    QPoint InWindow(QPoint viewPoint) { return view()->mapTo(map(), viewPoint); }
    void Click(int area) {
        QTest::mouseClick(map()->windowHandle(), Qt::LeftButton, {}, InWindow(PointOf(area)));
    }
    void DoubleClick(int area, QLatin1String code) {
        const auto option = std::find(kMapOptions.begin(), kMapOptions.end(), code);
        map()->optCommand(static_cast<int>(option - kMapOptions.begin()))->setChecked(true);
        QTest::mouseDClick(map()->windowHandle(), Qt::LeftButton, {}, InWindow(PointOf(area)));
    }
};

}  // namespace qm::test
