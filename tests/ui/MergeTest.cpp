// File > Merge with the sample game's reports, and File > Show Ally's Orders
// with its orders, through the real windows.

#include "ui/WindowsFixture.h"

#include "map/CentreOnArea.h"
#include "orders/AreaOrder.h"
#include "ui/ModelessWindows.h"
#include "ui/frmCheckTurn.h"
#include "ui/frmMap.h"
#include "ui/frmMergeLog.h"

#include <QFile>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

namespace qm {
namespace {

using test::Message;

QByteArray Sample(const char* name) {
    QFile file(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MergeTest : public test::WindowsFixture {};

// What a merge fills in and tells is the core's (ReportMergeTest); here the menu,
// the file dialog, the messages, the map and the log window.
TEST_F(MergeTest, AnAllysReportFillsTheMapAndEveryDisagreementIsTold) {
    const QString own = reportFolder.Write("plyrdata.2", Sample("plyrdata.2"));
    Start(own, QStringLiteral(ZEZ_BIN_DIR));
    messages.clear();
    GameState& game = session().game;

    // The ally's report, from another folder, seeing area 129 otherwise than we do.
    session().map.display.HexSize = 30;  // this run's choice, not saved
    QByteArray ally = Sample("plyrdata.3");
    ASSERT_TRUE(ally.contains("\n129,0,0,0\r\n"));
    ally.replace("\n129,0,0,0\r\n", "\n129,3,3,1\r\n");
    test::TempFolder allyFolder;
    AnswerFileDialog(allyFolder.Write("plyrdata.3", ally));
    Menu("mnuMerge")->trigger();
    EXPECT_EQ(messages,
              (std::vector<Message>{
                  {"Owner for area  129 does not match previous data", MessageIcon::None},
                  {"Unit owner in area  129 does not match previous data", MessageIcon::None},
                  {"Unit type in area  129 does not match previous data", MessageIcon::None}}));
    EXPECT_EQ(game.area(129).Owner, 0);
    EXPECT_EQ(session().map.display.HexSize, 30);
    EXPECT_TRUE(mainWindow().mapWindow()->isVisible());

    // The log's lines lead to their areas.
    Menu("mnuMergeLog")->trigger();
    QListWidget* log = mainWindow().mergeLogWindow()->lstMergeLog();
    ASSERT_EQ(log->count(), 4);
    EXPECT_EQ(log->item(0)->text(), "plyrdata.3: 21 areas filled in, 3 values seen otherwise");
    EXPECT_TRUE(log->item(1)->text().startsWith("  129 "));
    const QPoint entry = log->visualItemRect(log->item(1)).center();
    QTest::mouseClick(log->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseDClick(log->viewport(), Qt::LeftButton, {}, entry);
    EXPECT_EQ(session().interaction.SelectedArea, 129);

    // A new report starts a new log.
    ASSERT_TRUE(turn().Open(own, OpenedFrom::Dialog));
    EXPECT_EQ(log->count(), 1);
    EXPECT_EQ(log->item(0)->text(), "No report has been merged into this turn.");
}

TEST_F(MergeTest, AnAllysOrdersAreDrawnWeighedByTheCheckAndGoneAfterOpen) {
    const QString own = reportFolder.Write("plyrdata.2", Sample("plyrdata.2"));
    Start(own, QStringLiteral(ZEZ_BIN_DIR));
    messages.clear();
    GameState& game = session().game;
    CentreOnArea(game, session().map, session().port, 130);
    const QImage plain = session().map.picture.picView;
    // Our army in 132, which Ormanth's corps in 130 means to defend, marches off.
    session().interaction.SelectedArea = 132;
    std::int16_t away = 0;
    for (const std::int16_t n : game.area(132).Neighbours)
        if (away == 0 && n > 0 && game.area(n).AreaType == kLand) away = n;
    SetAreaOrder(session().orders(), "MO", away, 0);
    messages.clear();
    const QImage before = session().map.picture.picView;

    test::TempFolder mail;
    mail.Write("orders.tmp", Sample("player3/orders.tmp"));
    AnswerFileDialog(mail.Write("commands.dat", Sample("player3/commands.dat")));
    Menu("mnuAllyOrders")->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(mainWindow().statusBar()->currentMessage(),
              "Ormanth's orders shown beside yours: 5 area orders");
    EXPECT_TRUE(Menu("mnuShowAllyOrders")->isChecked());
    EXPECT_NE(session().map.picture.picView, before);
    Menu("mnuCheckTurn")->trigger();
    QListWidget* findings = mainWindow().windows().checkTurn()->lstFindings();
    EXPECT_EQ(findings
                  ->findItems(QStringLiteral("Area  132 %1: Ormanth's SD 130 132 supports the "
                                             "defence of your army, which you order away: "
                                             "MO 132 %2")
                                  .arg(game.area(132).Name)
                                  .arg(away),
                              Qt::MatchExactly)
                  .size(),
              1);

    Menu("mnuShowAllyOrders")->trigger();
    EXPECT_EQ(session().map.picture.picView, before);
    Menu("mnuShowAllyOrders")->trigger();
    ASSERT_TRUE(turn().Open(own, OpenedFrom::Dialog));
    EXPECT_TRUE(game.Allies.plans.empty());
    CentreOnArea(game, session().map, session().port, 130);
    EXPECT_EQ(session().map.picture.picView, plain);
}

}  // namespace
}  // namespace qm
