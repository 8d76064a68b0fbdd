#include "session/Turn.h"

#include "files/OrdersText.h"
#include "files/ReadBack.h"
#include "orders/CommandList.h"
#include "orders/MapClicks.h"
#include "session/Recovery.h"
#include "session/Session.h"
#include "state/OrderRevision.h"
#include "state/RefreshDisplay.h"
#include "state/Totals.h"
#include "support/FakePort.h"
#include "support/TempFiles.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace qm {
namespace {

int FromEnvironment(const char* name, int usual) {
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : usual;
}

// A run of the program without windows: its own port, session and turn.
struct ProgramRun {
    ProgramRun(const QString& recovery, const QString& settings)
        : turn{session, settings + "recent.ini"} {
        session.recoveryFolder = recovery;
        session.game.ProgramDir = QStringLiteral(ZEZ_DATA_DIR "/");
    }
    test::FakePort port;
    Session session{port};
    Turn turn;
};

// Random sequences of every turn command, checking after each step that the
// orders, the grid, the totals and every file the orders go to agree. The
// seed and the number of steps come from ZEZ_SEQUENCE_SEED and
// ZEZ_SEQUENCE_STEPS for long runs.
class TurnSequenceTest : public ::testing::Test {
protected:
    TurnSequenceTest() {
        for (const char* name : {"plyrdata.2", "plyrdata.3"})
            QFile::copy(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/") + name,
                        current.path() + name);
        QFile::copy(QStringLiteral(ZEZ_DATA_DIR "/sample/1880-1/plyrdata.2"),
                    earlier.path() + "plyrdata.2");
        NewRun();
    }

    void NewRun() { run = std::make_unique<ProgramRun>(recovery.path(), settings.path()); }
    GameState& game() { return run->session.game; }

    void ExpectAgreement(int step) {
        SCOPED_TRACE(testing::Message() << "step " << step << " of seed " << seed);
        EXPECT_EQ(game().totals, ComputeTotals(game()));
        for (int area = 1; area <= kLastArea; ++area)
            ASSERT_EQ(run->port.cell(GridId::Area, area, kColCommand), game().area(area).Command)
                << "grid row " << area;
    }
    QString RecoveryPath() { return RecoveryCopyPath(game(), recovery.path()); }

    void Step(std::mt19937& random) {
        auto pick = [&](int count) { return static_cast<int>(random() % count); };
        const auto area = static_cast<std::int16_t>(1 + pick(kLastArea));
        const int what = pick(100);
        Session& s = run->session;
        if (what < 55) {
            // A double-click with an option, and for the orders with a target its click.
            s.history.Record(s.game, [&] {
                MapDoubleClick(s.orders(), area,
                               kMapOptions[static_cast<std::size_t>(pick(kMapOptions.size()))]);
                if (!s.interaction.MapMode.isEmpty()) {
                    const auto target = s.game.area(area).Neighbours[1 + pick(6)];
                    MapClick(s.orders(), s.spies, target);
                }
            });
        } else if (what < 62) {
            const char* codes[] = {"DA", "DN", "DW", "GA"};
            s.history.Record(s.game, [&] {
                AddCommand(s.game, s.port, codes[pick(4)], std::int16_t(1 + pick(6)),
                           std::int16_t(pick(2) ? -1 : area), 0, 0);
            });
        } else if (what < 74) {
            run->turn.Undo();
        } else if (what < 82) {
            run->turn.Redo();
        } else if (what < 88) {
            run->turn.KeepRecoveryCopy();
            QFile copy(RecoveryPath());
            EXPECT_TRUE(!OrdersChanged(game()) || !copy.open(QIODevice::ReadOnly) ||
                        copy.readAll().endsWith(WorkingCopyText(game())));
        } else if (what < 93) {
            if (run->turn.Save()) {
                EXPECT_TRUE(CompareCommandsFile(game()).empty());
                EXPECT_FALSE(QFile::exists(RecoveryPath()));
            }
        } else if (what < 95) {
            run->turn.Merge(current.path() + "plyrdata.3");
        } else if (what < 97) {
            run->port.replies = {Answer::Discard};
            ASSERT_TRUE(run->turn.Open((pick(2) ? earlier : current).path() + "plyrdata.2",
                                       OpenedFrom::Dialog));
            run->port.replies.clear();
        } else {
            // The run is killed; the next one restores what the recovery copy kept.
            run->turn.KeepRecoveryCopy();
            const QByteArray kept = WorkingCopyText(game());
            const QString report = game().ReportDir + "plyrdata.2";
            const bool unsaved = OrdersChanged(game());
            NewRun();
            run->port.replies = {Answer::Yes};
            ASSERT_TRUE(run->turn.Open(report, OpenedFrom::Dialog));
            EXPECT_EQ((unsaved ? WorkingCopyText(game()) : kept).toStdString(), kept.toStdString());
        }
    }

    std::unique_ptr<ProgramRun> run;
    unsigned seed = static_cast<unsigned>(FromEnvironment("ZEZ_SEQUENCE_SEED", 20261207));
    test::TempFolder current, earlier, recovery, settings;
};

TEST_F(TurnSequenceTest, OrdersGridTotalsAndFilesAgreeAfterEveryStep) {
    const int steps = FromEnvironment("ZEZ_SEQUENCE_STEPS", 2000);
    std::mt19937 random(seed);
    ASSERT_TRUE(run->turn.Open(current.path() + "plyrdata.2", OpenedFrom::CommandLine));
    for (int step = 0; step < steps && !HasFatalFailure() && !HasFailure(); ++step) {
        Step(random);
        ExpectAgreement(step);
    }
}

}  // namespace
}  // namespace qm
