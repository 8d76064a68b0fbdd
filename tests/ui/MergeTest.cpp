// File > Merge with the sample game's reports, through the real windows.

#include "ui/WindowsFixture.h"

#include "ui/frmMap.h"
#include "ui/frmMergeLog.h"

#include <QFile>
#include <QListWidget>
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

}  // namespace
}  // namespace qm
