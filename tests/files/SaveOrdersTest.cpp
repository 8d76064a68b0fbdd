#include "files/SaveOrders.h"

#include "files/OrdersText.h"
#include "support/FakePort.h"
#include "support/GameAndPort.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

QStringList Entries(const test::TempFolder& folder) {
    const auto filter = QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden;
    return QDir(folder.path()).entryList(filter, QDir::Name);
}

class SaveOrdersTest : public ::testing::Test {
protected:
    SaveOrdersTest() { session.game.GameCode = "QM012", session.game.ReportDir = folder.path(); }
    test::FakePort port;
    test::GameAndPort session{port};
    test::TempFolder folder;
};

TEST_F(SaveOrdersTest, ReplacesBothFilesOrOnFailureKeepsTheOtherAsItWas) {
    session.game.area(8).Command = "MO";
    folder.Write("commands.dat", "old orders");
    folder.Write("ORDERS.TMP", "old copy");  // whatever the case of its name
    ASSERT_TRUE(SaveOrders(session.game, session.port));
    EXPECT_EQ(folder.Read("commands.dat"), CommandsFileText(session.game));
    EXPECT_EQ(folder.Read("ORDERS.TMP"), WorkingCopyText(session.game));
    EXPECT_EQ(Entries(folder), (QStringList{"ORDERS.TMP", "commands.dat"}));
    EXPECT_TRUE(port.messages.empty());

    // Either file failing (a folder stands in its place) leaves the other as it
    // was; orders.tmp fails at the second rename, after commands.dat was replaced.
    for (auto [blocked, kept] :
         {std::pair{"orders.tmp", "commands.dat"}, {"commands.dat", "orders.tmp"}}) {
        test::TempFolder where;
        session.game.ReportDir = where.path();
        port.messages.clear();
        where.Write(kept, "old file");
        ASSERT_TRUE(QDir(where.path()).mkdir(blocked));
        EXPECT_FALSE(SaveOrders(session.game, session.port));
        const QString path = QDir::toNativeSeparators(where.path() + blocked);
        EXPECT_EQ(
            port.messages,
            (std::vector<test::Message>{
                {"Could not write " + path + "; the orders were not saved", MessageIcon::Stop}}));
        EXPECT_EQ(where.Read(kept), "old file");
        EXPECT_EQ(Entries(where), (QStringList{"commands.dat", "orders.tmp"}));
    }
}

TEST_F(SaveOrdersTest, AnOldOrdersFileThatCannotBePutBackIsKeptAndNamed) {
    folder.Write("commands.dat", "old orders");
    ASSERT_TRUE(QDir(folder.path()).mkdir("orders.tmp"));
    // The copy of the old file is taken away just before it would go back.
    const QString old = folder.path() + "commands.dat.old";
    EXPECT_FALSE(SaveOrders(session.game, session.port, [&] {
        QFile::rename(old, folder.path() + "kept.old");
        QDir(folder.path()).mkdir("commands.dat.old");
    }));
    const auto native = [&](const char* name) {
        return QDir::toNativeSeparators(folder.path() + name);
    };
    EXPECT_EQ(port.messages,
              (std::vector<test::Message>{
                  {"Could not write " + native("orders.tmp") +
                       ", and the old orders file could not be put back: " +
                       native("commands.dat") + " holds the new orders, the old one is kept as " +
                       native("commands.dat.old") + ". Save again before mailing it",
                   MessageIcon::Stop}}));
    EXPECT_EQ(folder.Read("commands.dat"), CommandsFileText(session.game));
    EXPECT_EQ(folder.Read("kept.old"), "old orders");
}

}  // namespace
}  // namespace qm
