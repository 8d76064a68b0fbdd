#include "session/AllyOrders.h"

#include "orders/OrderHistory.h"
#include "session/Session.h"
#include "session/Turn.h"
#include "state/AreaDescription.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Message;

QByteArray Sample(const QString& name) {
    QFile file(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Orders(const char* ident, const char* lines, const char* game = "QM042") {
    return QByteArray("KVOSTART\r\n") + game + "\r\n" + ident + "\r\n\r\n" + lines +
           "SP  0   0   0   0   0   0 \r\nKVOEND\r\n";
}

// The Veskaran Republic's last sample turn, with Ormanth's orders mailed along.
class AllyOrdersTest : public ::testing::Test {
protected:
    AllyOrdersTest() {
        session.recoveryFolder = recovery.path(), session.archiveFolder = archive.path();
        session.game.ProgramDir = QStringLiteral(ZEZ_DATA_DIR "/");
        own = reports.Write("plyrdata.2", Sample("plyrdata.2"));
        EXPECT_TRUE(turn.Open(own, OpenedFrom::CommandLine));
        port.messages.clear();
    }
    // An orders file in a folder of its own, with a working copy when one is given.
    QString Mailed(const QByteArray& commands, const QByteArray& workingCopy = {}) {
        const QString folder = QStringLiteral("mail%1/").arg(++mailed_);
        if (!workingCopy.isEmpty()) allies.Write(folder + "orders.tmp", workingCopy);
        return allies.Write(folder + "commands.dat", commands);
    }
    QString Ormanths() {
        return Mailed(Sample("player3/commands.dat"), Sample("player3/orders.tmp"));
    }

    test::TempFolder reports, allies, recovery, settings, archive;
    test::FakePort port;
    Session session{port};
    GameState& game = session.game;
    Turn turn{session, settings.path() + "recent.ini"};
    QString own;

private:
    int mailed_ = 0;
};

TEST_F(AllyOrdersTest, AnAllysOrdersAreShownBesideMineAndNeverBecomeMine) {
    ASSERT_TRUE(turn.Save());
    const QByteArray saved = reports.Read("commands.dat");
    ASSERT_TRUE(turn.ShowAllyOrders(Ormanths()));
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(port.status, "Ormanth's orders shown beside yours: 5 area orders");
    ASSERT_EQ(game.Allies.plans.size(), 1u);
    EXPECT_EQ(game.Allies.plans[0].player, 3);
    EXPECT_TRUE(AreaHoverText(game, 130).endsWith("; corps of Ormanth; Ormanth's order SD to 132 " +
                                                  game.area(132).Name.trimmed()))
        << AreaHoverText(game, 130).toStdString();
    EXPECT_FALSE(session.history.CanUndo());
    EXPECT_TRUE(game.area(130).Command.isEmpty());
    ASSERT_TRUE(turn.Save());
    EXPECT_EQ(reports.Read("commands.dat"), saved);

    // Again: Ormanth's are replaced; another ally's come beside them.
    ASSERT_TRUE(turn.ShowAllyOrders(
        Mailed(Orders("Ormanth - player 3 - Ada Quenby", "MO  131   129 \r\n"))));
    ASSERT_EQ(game.Allies.plans.size(), 1u);
    EXPECT_EQ(game.Allies.plans[0].orders[131].Command, "MO");
    EXPECT_TRUE(game.Allies.plans[0].orders[130].Command.isEmpty());
    ASSERT_TRUE(turn.ShowAllyOrders(Mailed(Orders("Tirvenia - player 4 - Piet Marlowe", ""))));
    EXPECT_EQ(port.status, "Tirvenia's orders shown beside yours: 0 area orders");
    EXPECT_EQ(game.Allies.plans.size(), 2u);

    ASSERT_TRUE(turn.Open(own, OpenedFrom::CommandLine));
    EXPECT_TRUE(game.Allies.plans.empty());
}

TEST_F(AllyOrdersTest, EachRefusalSaysWhyAndChangesNothing) {
    const char* vesk = "Veskaran Republic - player 2 - Tomas Brell";
    const char* orma = "Ormanth - player 3 - Ada Quenby";
    const QString notThere = allies.Write("file", "") + "/commands.dat";
    struct Case {
        QString path;
        QString message;
    };
    const Case cases[] = {
        {notThere, "The orders file " + QDir::toNativeSeparators(notThere) + " cannot be read"},
        {Mailed("plyrdata\r\n"),
         "%1 is not an orders file (line 1: it does not begin with KVOSTART)"},
        {Mailed(Orders(orma, "MO  131 \r\n")),
         "%1 is not an orders file (line 5: MO wants 2 numbers)"},
        {Mailed(Orders(orma, "MO  131   274 \r\n")),
         "%1 is not an orders file (line 5: there is no area 274)"},
        {Mailed(Orders(orma, "MO  131   40000 \r\n")),
         "%1 is not an orders file (line 5: \"40000\" is no number)"},
        {Mailed(Orders(orma, "XX  131 \r\n")),
         "%1 is not an orders file (line 5: \"XX\" is no order)"},
        {Mailed(Orders(orma, "MO  131   129 \r\nSD  131   130 \r\n")),
         "%1 is not an orders file (line 6: a second order for area 131)"},
        {Mailed(Orders(orma, "").replace("KVOEND\r\n", "")),
         "%1 is not an orders file (line 5: it does not end in KVOEND)"},
        {Mailed(Orders(orma, "", "QM041")),
         "These are orders of game QM041, not of this game (QM042)"},
        {Mailed(Orders(orma, ""), "QM042         ,              1882          2 \r\nEND\r\n"),
         "These are orders for turn 1882.2, not for the turn loaded (1882.3)"},
        {Mailed(Orders(vesk, "")),
         "These are your own orders; only an ally's orders are shown beside yours"},
    };
    for (const Case& c : cases) {
        port.messages.clear();
        EXPECT_FALSE(turn.ShowAllyOrders(c.path));
        EXPECT_EQ(port.messages, (std::vector<Message>{{QString(c.message).replace(
                                                            "%1", QDir::toNativeSeparators(c.path)),
                                                        MessageIcon::Stop}}));
        EXPECT_TRUE(game.Allies.plans.empty());
    }
}

TEST_F(AllyOrdersTest, OrdersOfUnitsOfTwoPlayersAskWhoseTheyAre) {
    const QString path = Mailed(Orders("Anonymous", "SD  130   132 \r\nMO  136   135 \r\n"));
    EXPECT_FALSE(turn.ShowAllyOrders(path));  // the question is declined
    ASSERT_EQ(port.playerQuestions.size(), 1u);
    EXPECT_EQ(port.playerQuestions[0], std::pair(QStringLiteral("Whose orders are these?"),
                                                 std::vector<std::int16_t>{3, 4}));
    EXPECT_TRUE(game.Allies.plans.empty());
    port.playerAnswers = {std::int16_t{4}};
    ASSERT_TRUE(turn.ShowAllyOrders(path));
    EXPECT_EQ(game.Allies.plans.at(0).player, 4);
}

}  // namespace
}  // namespace qm
