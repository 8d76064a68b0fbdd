#include "files/WorkingCopy.h"

#include "files/OrdersText.h"
#include "files/SaveOrders.h"
#include "support/CaseName.h"
#include "support/FakePort.h"
#include "support/GameAndPort.h"
#include "support/TempFiles.h"

#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Message;

// A freshly loaded turn QM012, 1881 turn 2, with no orders.
class WorkingCopyTest : public ::testing::Test {
protected:
    WorkingCopyTest() {
        session.game.GameCode = "QM012", session.game.CommandCount = 2;
        session.game.TurnYear = 1881, session.game.TurnOfYear = 2;
    }
    bool ReadText(const QByteArray& text) {
        if (!text.isEmpty()) folder.Write("ORDERS.TMP", text);
        return ReadWorkingCopy(session.game, session.port, folder.path());
    }
    void ExpectNothingRestored(bool refused = false) {
        std::vector<Message> told{{"No old orders to read in", MessageIcon::None}};
        if (refused)
            told.push_back({"The working copy ORDERS.TMP was refused; it is kept as ORDERS.TMP.bad",
                            MessageIcon::Information});
        EXPECT_EQ(port.messages, told);
        for (int i = 0; i <= kLastArea; ++i) EXPECT_EQ(session.game.area(i).Command, "") << i;
        EXPECT_EQ(session.game.CommandCount, 2);
        for (const CommandRecord& slot : session.game.CommandList) EXPECT_TRUE(slot.IsEmpty());
    }

    test::TempFolder folder;
    test::FakePort port;
    test::GameAndPort session{port};
};

TEST_F(WorkingCopyTest, ARefusedCopySurvivesTheNextSaveAndTheNewestOfOneNameIsRead) {
    const QByteArray damaged = "QM012,1881,2\r\nMO\r\n 5 ,6\r\n";  // no END
    EXPECT_FALSE(ReadText(damaged));
    session.game.ReportDir = folder.path();
    ASSERT_TRUE(SaveOrders(session.game, session.port));
    EXPECT_EQ(folder.Read("ORDERS.TMP.bad"), damaged);
    EXPECT_EQ(folder.Read("ORDERS.TMP"), WorkingCopyText(session.game));

    // An older copy under another case is passed over.
    QFile older(folder.Write("orders.tmp", "QM012,1881,2\r\nAA\r\n 7 \r\nEND\r\n"));
    ASSERT_TRUE(older.open(QIODevice::ReadWrite));
    ASSERT_TRUE(older.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                  QFileDevice::FileModificationTime));
    EXPECT_TRUE(ReadText("QM012,1881,2\r\nAA\r\n 5 \r\nEND\r\n"));
    EXPECT_EQ(session.game.area(5).Command, "AA");
    EXPECT_EQ(session.game.area(7).Command, "");
}

// Another turn's copy or a damaged one: nothing of it is kept. After the header,
// two good orders come first.
class BadWorkingCopy : public WorkingCopyTest,
                       public ::testing::WithParamInterface<std::pair<const char*, QByteArray>> {};

TEST_P(BadWorkingCopy, KeepsNothingOfIt) {
    const auto& [header, rest] = GetParam();
    EXPECT_FALSE(ReadText(*header ? header + QByteArray("\r\nAA\r\n 5 \r\nDA\r\n 1 \r\n") + rest
                                  : QByteArray()));
    ExpectNothingRestored(*header != '\0');
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, BadWorkingCopy, ::testing::Values(
    std::pair{"", QByteArray()},  // no file at all
    std::pair{"QM012,1881,1", QByteArray("END\r\n")},
    std::pair{"QM013,1881,2", QByteArray("END\r\n")},
    std::pair{"QM012,1881,2", QByteArray("")},  // no END
    std::pair{"QM012,1881,2", QByteArray("MO\r\n 5 \r\n")},
    std::pair{"QM012,1881,2", QByteArray("MO\r\n 5 ,40000\r\nEND\r\n")},
    std::pair{"QM012,1881,2", QByteArray("AC\r\n 0 \r\nEND\r\n")},
    std::pair{"QM012,1881,2", QByteArray("SD\r\n 4 ,274\r\nEND\r\n")},
    std::pair{"QM012,1881,2", QByteArray("SA\r\n 4 ,5,13\r\nEND\r\n")},
    std::pair{"QM012,1881,2", QByteArray("SP\r\n 1 ,2,3,274\r\nEND\r\n")},
    // 99 list orders: one more than the slots 3..100 hold
    std::pair{"QM012,1881,2", QByteArray("DN\r\n 1 \r\n").repeated(98) + "END\r\n"}),
    [](const auto& i) {
        return test::CaseName(i.index, *i.param.first ? i.param.first + i.param.second.left(20)
                                                      : QByteArray("no file"));
    });
// clang-format on

}  // namespace
}  // namespace qm
