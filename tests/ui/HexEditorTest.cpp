// The hex editor reached from the map, through the real windows.

#include "ui/WindowsFixture.h"

#include "map/Geometry.h"
#include "map/HexGrid.h"
#include "map/HexSearch.h"
#include "ui/MapView.h"
#include "ui/frmEditHex.h"
#include "ui/frmMap.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace qm {
namespace {

class HexEditorTest : public test::WindowsFixture {
protected:
    void SetUp() override {
        StartOnHexMap();
        ASSERT_NE(mainWindow().mapWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow().mapWindow()));
    }
};

// The board file that Save Hex Data writes is MapDataFilesTest's.
TEST_F(HexEditorTest, ShiftCtrlAltRightPressEditsTheCellUnderThePointer) {
    frmMap* map = mainWindow().mapWindow();
    // Cell (2, 3) belongs to England's area 5; it goes to area 100 as its unit cell.
    const auto outline = CellOutline(session().map.geometry, 2, 3);
    const DisplaySettings& display = session().map.display;
    const QPoint inView = (outline[0] + outline[3]) / 2 + QPoint(display.MapX, display.MapY);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<frmEditHex*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        shown =
            editor->lblX()->text() + "," + editor->lblY()->text() + "," + editor->txtArea()->text();
        editor->txtArea()->setText("100.5");  // rounded to the even neighbour
        editor->chkDisplay(1)->setChecked(true);
        QTest::mouseClick(editor->cmdOK(), Qt::LeftButton);
    });
    const QPoint inWindow = map->picView()->mapTo(map, inView);
    QTest::mousePress(map->windowHandle(), Qt::RightButton,
                      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, inWindow);
    QTest::mouseRelease(map->windowHandle(), Qt::RightButton, {}, inWindow);
    EXPECT_EQ(shown, "2,3,5");
    EXPECT_EQ(map->windowTitle(), "Map");  // no drag began
    EXPECT_EQ(session().map.hexes.at(2, 3).Area, 100);
    // Found by the area's searches at once.
    EXPECT_EQ(FindHexOfArea(session().game, session().map.hexes, 100), (HexPosition{2, 3}));
}

TEST(HexEditorBoxes, EachCheckBoxStoresItsOwnFieldAndShowsItBack) {
    GameState game;
    HexGrid hexes;
    frmEditHex editor(game, hexes);
    const auto box = [&](int k) {
        return k < 6 ? editor.chkBorder(k + 1) : editor.chkDisplay(k - 6);
    };
    for (int k = 0; k < 9; ++k) {
        HexCell cell{9};
        std::int16_t* fields[] = {&cell.Border[1],  &cell.Border[2], &cell.Border[3],
                                  &cell.Border[4],  &cell.Border[5], &cell.Border[6],
                                  &cell.ShowNumber, &cell.ShowUnit,  &cell.ShowSupply};
        *fields[k] = k < 6 ? 1 : -1;
        hexes.at(4, 6) = cell;
        editor.ShowCell(4, 6);
        for (int j = 0; j < 9; ++j) EXPECT_EQ(box(j)->isChecked(), j == k) << k << ' ' << j;
        hexes.at(4, 6) = HexCell{9};  // what OK stores comes from the boxes alone
        QTest::mouseClick(editor.cmdOK(), Qt::LeftButton);
        EXPECT_EQ(hexes.at(4, 6), cell) << k;
    }
}

}  // namespace
}  // namespace qm
