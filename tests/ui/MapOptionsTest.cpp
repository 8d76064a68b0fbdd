// The Options menu through its windows: colours, hexagons, zoom, unit display.

#include "ui/WindowsFixture.h"

#include "map/DisplaySettingsFile.h"
#include "map/Raster.h"
#include "ui/ColourSwatch.h"
#include "ui/MapView.h"
#include "ui/frmMap.h"
#include "ui/frmMapOptions.h"
#include "ui/frmUnitDisplay.h"
#include "ui/frmZoom.h"

#include <QColorDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace qm {
namespace {

/// Runs `act` on the modal window once it is up.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

class MapOptionsTest : public test::WindowsFixture {
protected:
    void SetUp() override {
        DisplaySettings settings;
        settings.HexDisplay = -1;
        settings.HexSize = 26;
        SaveDisplaySettings(settings, DefaultSettingsPath());
        Start(WriteReport(), HandMapDir());
        ASSERT_NE(mainWindow().mapWindow(), nullptr);
    }
    DisplaySettings& display() { return session().map.display; }
    QSize ShownView() { return mainWindow().mapWindow()->picView()->size(); }
};

TEST_F(MapOptionsTest, AChosenColourReachesTheMapAndTheSettingsFileAtExit) {
    QString caption, england;
    int height = 0;
    WhenModal([&](QWidget* window) {
        auto* options = qobject_cast<frmMapOptions*>(window);
        ASSERT_NE(options, nullptr);
        caption = options->windowTitle();
        england = options->lblColour(3)->text();
        height = options->height();
        WhenModal([](QWidget* chooser) {
            ASSERT_NE(qobject_cast<QColorDialog*>(chooser), nullptr);
            qobject_cast<QColorDialog*>(chooser)->setCurrentColor(QColor(0x12, 0x34, 0x56));
            qobject_cast<QColorDialog*>(chooser)->accept();
        });
        QTest::mouseClick(options->picColour(3), Qt::LeftButton);
        EXPECT_EQ(options->picColour(3)->colour(), 0x563412);
        WhenModal([](QWidget* chooser) { qobject_cast<QDialog*>(chooser)->reject(); });
        QTest::mouseClick(options->findChild<ColourSwatch*>("picWater"), Qt::LeftButton);
        options->close();
    });
    Menu("mnuMapColors")->trigger();
    EXPECT_EQ(caption, "Map Options");
    EXPECT_EQ(england, "ENGL");
    EXPECT_EQ(height, 16 + 4 * frmMapOptions::kDown);  // four players: one more row
    EXPECT_EQ(display().CountryColours[3], 0x563412);
    EXPECT_EQ(display().WaterColour, DisplaySettings{}.WaterColour);  // cancelled
    // Area 5 of the hand-made map is England's: its cells now wear the colour.
    const QImage& board = session().map.picture.picMap;
    const auto outline = CellOutline(session().map.geometry, 2, 3);
    EXPECT_EQ(board.pixel((outline[0] + outline[3]) / 2), ToRgb(0x563412));

    Menu("mnuExit")->trigger();
    QFile file(DefaultSettingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("CountryC=&H563412&"));
}

TEST_F(MapOptionsTest, ZoomAndHexMapRebuildTheMapAndItsView) {
    int maximum = 0, start = 0;
    WhenModal([&](QWidget* window) {
        auto* zoom = qobject_cast<frmZoom*>(window);
        ASSERT_NE(zoom, nullptr);
        EXPECT_EQ(zoom->windowTitle(), "Zoom map");
        maximum = zoom->hsbZoom()->maximum();
        start = zoom->hsbZoom()->value();
        QTest::keyClick(zoom->hsbZoom(), Qt::Key_Home);
        zoom->close();
    });
    Menu("mnuZoom")->trigger();
    EXPECT_EQ(std::pair(maximum, start), std::pair(30, 26));
    EXPECT_EQ(display().HexSize, 6);
    EXPECT_EQ(session().map.picture.picMap.width(), session().map.geometry.MapWidth());
    EXPECT_EQ(ShownView(), session().map.picture.picView.size());

    Menu("mnuHex")->trigger();
    EXPECT_EQ(display().HexDisplay, 0);
    EXPECT_EQ(display().HexSize, 8);
    EXPECT_FALSE(Menu("mnuHex")->isChecked());
    EXPECT_EQ(ShownView(), session().map.picture.picView.size());
    Menu("mnuHex")->trigger();
    EXPECT_TRUE(Menu("mnuHex")->isChecked());
}

TEST_F(MapOptionsTest, UnitDisplayClosesOnlyOnAChange) {
    bool openAfterPicture = false, openAfterSymbol = true;
    WhenModal([&](QWidget* window) {
        auto* units = qobject_cast<frmUnitDisplay*>(window);
        ASSERT_NE(units, nullptr);
        for (int i = 0; i < 8; ++i) EXPECT_FALSE(units->picUnitSymbol(i)->pixmap().isNull());
        QTest::mouseClick(units->cmdPicture(), Qt::LeftButton);
        openAfterPicture = units->isVisible();
        QTest::mouseClick(units->cmdSymbol(), Qt::LeftButton);
        openAfterSymbol = units->isVisible();
    });
    Menu("mnuTypeofUnitDisplay")->trigger();
    EXPECT_TRUE(openAfterPicture);
    EXPECT_FALSE(openAfterSymbol);
    EXPECT_EQ(session().map.picture.UnitDisplay, 4);
}

}  // namespace
}  // namespace qm
