// The hex editor reached from the map, and Save Hex Data, through the real windows.

#include "ui/WindowsFixture.h"

#include "map/HexGrid.h"
#include "map/HexSearch.h"
#include "map/Raster.h"
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

TEST_F(HexEditorTest, EditsTheCellUnderThePointerAndSavesTheBoard) {
    frmMap* map = mainWindow().mapWindow();
    // Cell (2, 3) belongs to England's area 5; it goes to area 100 as its unit cell.
    const auto outline = CellOutline(session().map.geometry, 2, 3);
    const QPoint cell = (outline[0] + outline[3]) / 2;
    const DisplaySettings& display = session().map.display;
    const QPoint inView = cell + QPoint(display.MapX, display.MapY);
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<frmEditHex*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        shown =
            editor->lblX()->text() + "," + editor->lblY()->text() + "," + editor->txtArea()->text();
        editor->txtArea()->setText("100.5");  // rounded to the even neighbour
        editor->chkDisplay(1)->setChecked(true);
        editor->chkBorder(1)->setChecked(false);
        QTest::mouseClick(editor->cmdOK(), Qt::LeftButton);
    });
    const QPoint inWindow = map->picView()->mapTo(map, inView);
    QTest::mousePress(map->windowHandle(), Qt::RightButton,
                      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, inWindow);
    QTest::mouseRelease(map->windowHandle(), Qt::RightButton, {}, inWindow);
    EXPECT_EQ(shown, "2,3,5");
    EXPECT_EQ(map->windowTitle(), "Map");  // no drag began
    const HexCell& edited = session().map.hexes.at(2, 3);
    EXPECT_EQ(std::tuple(edited.Area, edited.Border[1], edited.ShowUnit), std::tuple(100, 0, -1));
    // Found by the area's searches at once, and drawn in the unseen colour.
    EXPECT_EQ(FindHexOfArea(session().game, session().map.hexes, 100), (HexPosition{2, 3}));
    EXPECT_EQ(session().map.picture.picMap.pixel(cell), ToRgb(display.CountryColours[12]));
    EXPECT_EQ(session().map.picture.picView.pixel(inView), ToRgb(display.CountryColours[12]));

    // Save Hex Data, behind the map author's switch, writes the edited board; its
    // text is the board file's (MapDataFilesTest).
    EXPECT_FALSE(Menu("mnuSaveHexData")->isEnabled());
    mainWindow().EnableAreaData();
    test::TempFolder saved;
    AnswerFileDialog(saved.path() + "edited");
    Menu("mnuSaveHexData")->trigger();
    EXPECT_TRUE(saved.Read("edited.dat").contains("\r\n2,3,100,0,0,0,1,0,0,0,-1,0\r\n"));
}

TEST(HexEditorBoxes, EachCheckBoxStoresItsOwnFieldAndShowsItBack) {
    GameState game;
    HexGrid hexes;
    frmEditHex editor(game, hexes);
    const auto box = [&](int k) {
        return k < 6 ? editor.chkBorder(k + 1) : editor.chkDisplay(k - 6);
    };
    for (int k = 0; k < 9; ++k) {
        hexes.at(4, 6) = HexCell{9};
        editor.ShowCell(4, 6);
        box(k)->setChecked(true);
        QTest::mouseClick(editor.cmdOK(), Qt::LeftButton);
        HexCell expected{9};
        std::int16_t* fields[] = {&expected.Border[1],  &expected.Border[2], &expected.Border[3],
                                  &expected.Border[4],  &expected.Border[5], &expected.Border[6],
                                  &expected.ShowNumber, &expected.ShowUnit,  &expected.ShowSupply};
        *fields[k] = k < 6 ? 1 : -1;
        EXPECT_EQ(hexes.at(4, 6), expected) << k;
        editor.ShowCell(4, 6);
        for (int j = 0; j < 9; ++j) EXPECT_EQ(box(j)->isChecked(), j == k) << k << ' ' << j;
    }
}

}  // namespace
}  // namespace qm
