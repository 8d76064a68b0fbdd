#include "files/SaveOrders.h"

#include "files/OrdersText.h"
#include "state/Session.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <QDir>

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::FakePort;
using test::Message;
using test::TempFolder;

class SaveOrdersTest : public ::testing::Test {
protected:
    SaveOrdersTest() {
        GameState& game = session.game;
        game.GameCode = "QM012";
        game.PlayerIdent = "Ident";
        game.TurnYear = 1881;
        game.TurnOfYear = 2;
        game.CommandCount = 2;
        game.ReportDir = folder.path();
        game.area(8).Command = "MO";
        game.area(8).Parm1 = 12;
    }

    QStringList Entries() const {
        QStringList names =
            QDir(folder.path())
                .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        names.sort(Qt::CaseSensitive);
        return names;
    }

    TempFolder folder;
    FakePort port;
    Session session{port};
};

TEST_F(SaveOrdersTest, WritesBothFilesIntoTheReportFolder) {
    folder.Write("commands.dat", "old orders");
    ASSERT_TRUE(SaveOrders(session));
    EXPECT_EQ(folder.Read("commands.dat"), CommandsFileText(session.game));
    EXPECT_EQ(folder.Read("orders.tmp"), WorkingCopyText(session.game));
    EXPECT_TRUE(folder.Read("commands.dat").contains("MO  8   12 "));
    EXPECT_EQ(Entries(), (QStringList{"commands.dat", "orders.tmp"}));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(SaveOrdersTest, ReplacesAFileWhoseNameDiffersInCase) {
    folder.Write("ORDERS.TMP", "old copy");
    ASSERT_TRUE(SaveOrders(session));
    EXPECT_EQ(folder.Read("ORDERS.TMP"), WorkingCopyText(session.game));
    EXPECT_EQ(Entries(), (QStringList{"ORDERS.TMP", "commands.dat"}));
}

TEST_F(SaveOrdersTest, FolderThatIsAFileReportsAndWritesNothing) {
    const QString notAFolder = folder.Write("plyrdata.3", "report");
    session.game.ReportDir = notAFolder + "/";
    const GameState before = session.game;
    EXPECT_FALSE(SaveOrders(session));
    EXPECT_EQ(port.messages,
              (std::vector<Message>{{"Could not write " +
                                         QDir::toNativeSeparators(notAFolder + "/commands.dat") +
                                         "; the orders were not saved",
                                     MessageIcon::Stop}}));
    EXPECT_EQ(session.game.area(8).Command, before.area(8).Command);
    EXPECT_EQ(session.game.CommandCount, before.CommandCount);
    EXPECT_EQ(Entries(), (QStringList{"plyrdata.3"}));
}

// A working copy that cannot be written (here a folder stands in its place)
// must not leave a new orders file beside the old working copy.
TEST_F(SaveOrdersTest, SecondFileFailingKeepsTheFirstAsItWas) {
    folder.Write("commands.dat", "old orders");
    ASSERT_TRUE(QDir(folder.path()).mkdir("orders.tmp"));
    EXPECT_FALSE(SaveOrders(session));
    EXPECT_EQ(port.messages,
              (std::vector<Message>{{"Could not write " +
                                         QDir::toNativeSeparators(folder.path() + "orders.tmp") +
                                         "; the orders were not saved",
                                     MessageIcon::Stop}}));
    EXPECT_EQ(folder.Read("commands.dat"), "old orders");
    EXPECT_EQ(Entries(), (QStringList{"commands.dat", "orders.tmp"}));
}

TEST_F(SaveOrdersTest, FirstFileFailingKeepsTheOldWorkingCopy) {
    folder.Write("orders.tmp", "old copy");
    ASSERT_TRUE(QDir(folder.path()).mkdir("commands.dat"));
    EXPECT_FALSE(SaveOrders(session));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.messages[0].text.contains("commands.dat"));
    EXPECT_EQ(folder.Read("orders.tmp"), "old copy");
    EXPECT_EQ(Entries(), (QStringList{"commands.dat", "orders.tmp"}));
}

}  // namespace
}  // namespace qm
