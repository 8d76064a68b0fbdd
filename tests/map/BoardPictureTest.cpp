#include "map/BoardPicture.h"

#include "map/ArrowDrawing.h"
#include "map/ArrowGeometry.h"
#include "state/GameState.h"

#include "BoardFixture.h"

namespace qm {
namespace {

class MapView : public test::BoardFixture {
protected:
    void LoadWithView(int width, int height) {
        Load(26, true);
        SetViewSize(session.map, width, height);
    }
    const QImage& View() const { return session.map.picture.picView; }
};

TEST_F(MapView, RefreshCopiesTheVisiblePartAndWrapsEastWest) {
    for (int column = 1; column <= kColumns; ++column)
        Place(column, column, 10, false, column % 13);
    LoadWithView(100000, 100000);
    EXPECT_EQ(View().size(), Board().size());  // never larger than the board
    SetViewSize(session.map, 100000, 600);
    session.map.display.MapX = -100, session.map.display.MapY = -20;
    RefreshView(session.game, session.map, session.port);
    EXPECT_EQ(port.viewChanges, 1);
    const int width = Board().width();
    for (const QPoint p : {QPoint(0, 0), QPoint(500, 300), QPoint(width - 101, 599)})
        EXPECT_EQ(View().pixel(p), Board().pixel(p + QPoint(100, 20))) << p.x();
    // East of the board's east edge the view shows its west part again.
    for (const QPoint p : {QPoint(width - 100, 0), QPoint(width - 1, 599)})
        EXPECT_EQ(View().pixel(p), Board().pixel(p.x() - (width - 100), p.y() + 20)) << p.x();
    // An origin off the board shows white rather than old pixels.
    session.map.display.MapX = 50, session.map.display.MapY = 10;
    RefreshView(session.game, session.map, session.port);
    EXPECT_EQ(View().pixel(49, 5), 0xFFFFFFFFu);
    EXPECT_EQ(View().pixel(50, 10), Board().pixel(0, 0));
}

class Arrows : public MapView {
protected:
    // Area n has its unit cell at (column, row); land of player 1.
    void Unit(int area, int column, int row, const char* command = "", std::int16_t to = 0) {
        AreaRecord& record = Place(area, column, row, true, 1);
        record.Command = command, record.Parm1 = to;
    }
    QRgb Colour(int index) const {
        return ToRgb(session.map.display.ArrowColours[static_cast<std::size_t>(index)]);
    }
    int CountInView(QRgb colour, QRect rect) const {
        int count = 0;
        rect &= View().rect();
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) count += View().pixel(x, y) == colour;
        return count;
    }
};

TEST_F(Arrows, AMoveAcrossTheEastWestEdgeTakesTheShortWay) {
    Unit(20, 2, 10, "MO", 50);
    Unit(50, 69, 10);
    session.map.display.ArrowColours[1] = 0x00EE11;
    LoadWithView(100000, 100000);
    RefreshView(session.game, session.map, session.port);
    const int width = session.map.geometry.MapWidth();
    const int y = static_cast<int>(session.map.picture.ArrowTable.at(0).EndA.TipY);
    const QRect band(0, y - 30, width, 60);  // the two unit cells lie half a row apart
    EXPECT_GT(CountInView(Colour(1), band.adjusted(0, 0, -(width - 60), 0)), 10);
    EXPECT_GT(CountInView(Colour(1), band.adjusted(width - 90, 0, 0, 0)), 10);
    EXPECT_EQ(CountInView(Colour(1), band.adjusted(200, 0, -200, 0)), 0);
    // The board's picture itself carries no arrow.
    int onBoard = 0;
    for (int x = 0; x < width; ++x) onBoard += Board().pixel(x, y) == Colour(1);
    EXPECT_EQ(onBoard, 0);
}

TEST_F(Arrows, OppositeOrdersShareOneRecordWithTwoHeads) {
    Unit(20, 10, 10, "SA", 50);
    Unit(50, 14, 10, "MO", 20);
    LoadWithView(100000, 100000);
    RefreshView(session.game, session.map, session.port);
    RefreshView(session.game, session.map, session.port);  // a refresh adds no record
    for (const std::int16_t to : {20, 0})
        DrawOrderArrow(session.game, session.map, session.port, 20, to, "MO");  // nor these
    const auto& table = session.map.picture.ArrowTable;
    ASSERT_EQ(table.size(), 1u);
    const ArrowEnd& a = table[0].EndA;
    const ArrowEnd& b = table[0].EndB;
    EXPECT_EQ(std::tie(a.Area, b.Area, a.OrderCode, b.OrderCode),
              std::make_tuple(20, 50, "MO", "SA"));
    // A head at each end: strokes back from both tips.
    EXPECT_GT(CountInView(Colour(1), QRect(int(a.TipX), int(a.TipY) - 4, 8, 9)), 0);
    EXPECT_GT(CountInView(Colour(2), QRect(int(b.TipX) - 8, int(b.TipY) - 4, 8, 9)), 0);
}

TEST_F(Arrows, AnAllysOrderIsDashedInHisColourAndLeavesMineAlone) {
    Unit(20, 10, 10), Unit(50, 20, 10);  // one row: the shaft runs level
    LoadWithView(100000, 100000);
    RefreshView(session.game, session.map, session.port);
    const QImage plain = View();
    AllyPlan plan{3, {}};
    plan.orders[20] = {QStringLiteral("MO"), 50, 0};
    ShowAllyPlan(session.game.Allies, plan);
    RefreshView(session.game, session.map, session.port);
    EXPECT_TRUE(session.map.picture.ArrowTable.empty());
    const auto tail = *CreateArrow(session.game, session.map, 20, 50);
    const int y = static_cast<int>(tail.EndA.TipY);
    // Dashes of his colour with the board between them, edged in white.
    int dashes = 0, edged = 0, gaps = 0;
    for (int x = static_cast<int>(tail.EndA.TipX) + 2; x < static_cast<int>(tail.EndB.TipX) - 12;
         ++x) {
        const bool inked = View().pixel(x, y) == Country(3);
        dashes += inked && View().pixel(x - 1, y) != Country(3);
        gaps += View().pixel(x, y) == plain.pixel(x, y);
        edged += inked && View().pixel(x, y - 2) == qRgb(255, 255, 255);
        EXPECT_TRUE(inked || View().pixel(x, y) == plain.pixel(x, y) ||
                    View().pixel(x, y) == qRgb(255, 255, 255))
            << x;
    }
    EXPECT_GE(dashes, 5);
    EXPECT_GE(gaps, dashes);
    EXPECT_GT(edged, 10);
    session.map.picture.ShowAllyOrders = false;
    RefreshView(session.game, session.map, session.port);
    EXPECT_EQ(View(), plain);
}

}  // namespace
}  // namespace qm
