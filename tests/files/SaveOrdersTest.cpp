#include "files/SaveOrders.h"

#include "files/OrdersText.h"
#include "state/Session.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <QDir>

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Message;
using test::TempFolder;
using Messages = std::vector<Message>;

QStringList Entries(const TempFolder& folder) {
    QStringList names =
        QDir(folder.path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    names.sort(Qt::CaseSensitive);
    return names;
}

Message CouldNotWrite(const QString& path) {
    return {"Could not write " + QDir::toNativeSeparators(path) + "; the orders were not saved",
            MessageIcon::Stop};
}

class SaveOrdersTest : public ::testing::Test {
protected:
    SaveOrdersTest() {
        session.game.GameCode = "QM012";
        session.game.TurnYear = 1881;
        session.game.TurnOfYear = 2;
        session.game.CommandCount = 2;
        session.game.area(8).Command = "MO";
        session.game.area(8).Parm1 = 12;
        Into(folder);
    }
    void Into(const TempFolder& where) { session.game.ReportDir = where.path(); }

    TempFolder folder;
    test::FakePort port;
    Session session{port};
};

TEST_F(SaveOrdersTest, ReplacesBothFilesWhateverTheCaseOfTheirNames) {
    folder.Write("commands.dat", "old orders");
    folder.Write("ORDERS.TMP", "old copy");
    ASSERT_TRUE(SaveOrders(session));
    EXPECT_EQ(folder.Read("commands.dat"), CommandsFileText(session.game));
    EXPECT_TRUE(folder.Read("commands.dat").contains("\r\nMO  8   12 \r\n"));
    EXPECT_EQ(folder.Read("ORDERS.TMP"), WorkingCopyText(session.game));
    EXPECT_EQ(Entries(folder), (QStringList{"ORDERS.TMP", "commands.dat"}));
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(SaveOrdersTest, FolderThatIsAFileReportsAndWritesNothing) {
    const QString notAFolder = folder.Write("plyrdata.3", "report");
    session.game.ReportDir = notAFolder + "/";
    EXPECT_FALSE(SaveOrders(session));
    EXPECT_EQ(port.messages, Messages({CouldNotWrite(notAFolder + "/commands.dat")}));
    EXPECT_EQ(session.game.area(8).Command, "MO");
    EXPECT_EQ(session.game.CommandCount, 2);
    EXPECT_EQ(Entries(folder), (QStringList{"plyrdata.3"}));
}

// Either file failing (a folder stands in its place) leaves the other as it was.
TEST_F(SaveOrdersTest, OneFileFailingKeepsTheOtherAsItWas) {
    for (auto [blocked, kept] :
         {std::pair{"orders.tmp", "commands.dat"}, {"commands.dat", "orders.tmp"}}) {
        TempFolder where;
        Into(where);
        port.messages.clear();
        where.Write(kept, "old file");
        ASSERT_TRUE(QDir(where.path()).mkdir(blocked));
        EXPECT_FALSE(SaveOrders(session));
        EXPECT_EQ(port.messages, Messages({CouldNotWrite(where.path() + blocked)}));
        EXPECT_EQ(where.Read(kept), "old file");
        EXPECT_EQ(Entries(where), (QStringList{"commands.dat", "orders.tmp"}));
    }
}

}  // namespace
}  // namespace qm
