// The Options menu through its windows: colours, hexagons, zoom.

#include "ui/WindowsFixture.h"

#include "map/DisplaySettingsFile.h"
#include "map/MapLegend.h"
#include "map/Raster.h"
#include "map/StarterSettings.h"
#include "ui/ColourSwatch.h"
#include "ui/MapView.h"
#include "ui/frmMap.h"
#include "ui/frmMapOptions.h"
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
        StartOnHexMap();
        ASSERT_NE(mainWindow().mapWindow(), nullptr);
    }
    DisplaySettings& display() { return session().map.display; }
    QSize ShownView() { return mainWindow().mapWindow()->picView()->size(); }
};

TEST_F(MapOptionsTest, AChosenColourReachesTheMapAndTheSettingsFileAtExit) {
    QString seen;
    WhenModal([&](QWidget* window) {
        auto* options = qobject_cast<frmMapOptions*>(window);
        ASSERT_NE(options, nullptr);
        seen = options->windowTitle() + "|" + options->lblColour(3)->text();
        WhenModal([](QWidget* chooser) {
            static_cast<QColorDialog*>(chooser)->setCurrentColor(QColor(0x12, 0x34, 0x56));
            static_cast<QColorDialog*>(chooser)->accept();
        });
        QTest::mouseClick(options->picColour(3), Qt::LeftButton);
        WhenModal([](QWidget* chooser) { static_cast<QDialog*>(chooser)->reject(); });
        QTest::mouseClick(options->findChild<ColourSwatch*>("picWater"), Qt::LeftButton);
        options->close();
    });
    Menu("mnuMapColors")->trigger();
    EXPECT_EQ(seen, "Map Options|ENGL");
    EXPECT_EQ(display().CountryColours[3], 0x563412);
    EXPECT_EQ(display().WaterColour, DisplaySettings{}.WaterColour);  // cancelled
    Menu("mnuExit")->trigger();
    QFile file(DefaultSettingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("CountryC=&H563412&"));
}

TEST_F(MapOptionsTest, TheStarterPaletteKeepsTheSizeAndTheMapLegendFollows) {
    display().CountryColours[0] = 0x123456;
    const auto size = std::pair(display().HexDisplay, display().HexSize);
    Menu("mnuMapLegend")->trigger();
    QWidget* legend = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmMapLegend") legend = window;
    ASSERT_NE(legend, nullptr);
    const auto firstPicture = [legend] {
        for (QLabel* label : legend->findChildren<QLabel*>())
            if (!label->pixmap().isNull()) return label->pixmap().toImage();
        return QImage();
    };
    const QImage before = firstPicture();
    WhenModal([](QWidget* window) {
        QTest::mouseClick(window->findChild<QPushButton*>("cmdStarterPalette"), Qt::LeftButton);
        window->close();
    });
    Menu("mnuMapColors")->trigger();
    EXPECT_EQ(display().CountryColours, StarterDisplaySettings().CountryColours);
    EXPECT_EQ(std::pair(display().HexDisplay, display().HexSize), size);
    const QImage after = firstPicture();
    EXPECT_NE(after, before);
    const QImage drawn = MapLegend(display()).front().picture;
    EXPECT_EQ(after, drawn.scaled(drawn.size() * 2).convertToFormat(after.format()));
}

// The sizes, the wrap and the board point kept are the core's (ResizeViewTest).
TEST_F(MapOptionsTest, ZoomAndHexMapReachTheMapAndItsViewFollows) {
    WhenModal([&](QWidget* window) {
        auto* zoom = qobject_cast<frmZoom*>(window);
        ASSERT_TRUE(zoom && zoom->windowTitle() == "Zoom map");
        EXPECT_EQ(zoom->pos(), mainWindow().mapWindow()->pos());  // on the map window's corner
        QTest::keyClick(zoom->hsbZoom(), Qt::Key_Home);
        zoom->close();
    });
    Menu("mnuZoom")->trigger();
    EXPECT_EQ(display().HexSize, 6);
    EXPECT_EQ(ShownView(), session().map.picture.picView.size());
    Menu("mnuHex")->trigger();
    EXPECT_EQ(display().HexDisplay, 0);
    EXPECT_FALSE(Menu("mnuHex")->isChecked());
    Menu("mnuHex")->trigger();
    EXPECT_TRUE(Menu("mnuHex")->isChecked());
}

}  // namespace
}  // namespace qm
