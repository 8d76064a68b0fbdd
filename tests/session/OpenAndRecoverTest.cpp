#include "session/OpenReport.h"

#include "orders/AreaOrder.h"
#include "orders/CommandList.h"
#include "session/Recovery.h"
#include "session/Session.h"
#include "state/OrderRevision.h"
#include "support/FakePort.h"
#include "support/ReportText.h"
#include "support/TempFiles.h"

#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

namespace qm {
namespace {

class OpenAndRecoverTest : public ::testing::Test {
protected:
    // A run: its own session, reading reports from `reports`, recovery copies in `recovery`.
    struct Run {
        explicit Run(const QString& recoveryFolder) { session.recoveryFolder = recoveryFolder; }
        test::FakePort port;
        Session session{port};
    };

    QString Report() { return reports.Write("plyrdata.3", test::ReportText{}.Build()); }

    static void EnterOrders(Session& session) {
        session.interaction.SelectedArea = 5;
        SetAreaOrder(session.orders(), "MO", 12, 0);
        AddCommand(session.game, session.port, "DW", 1, 0, 0, 0);
    }

    test::TempFolder reports, recovery;
};

TEST_F(OpenAndRecoverTest, AKilledRunsOrdersAreOfferedAndRestoredUntilSaved) {
    const QString path = Report();
    {
        Run killed(recovery.path());
        ASSERT_EQ(OpenReportFile(killed.session, path), OpenResult::NoMap);
        EXPECT_EQ(KeepRecoveryCopy(killed.session.game, recovery.path()), CopyWrite::Unchanged);
        EnterOrders(killed.session);
        EXPECT_TRUE(OrdersChanged(killed.session.game));
        EXPECT_EQ(KeepRecoveryCopy(killed.session.game, recovery.path()), CopyWrite::Written);
        EXPECT_EQ(KeepRecoveryCopy(killed.session.game, recovery.path()), CopyWrite::Unchanged);
    }  // ends without Save

    Run next(recovery.path());
    ASSERT_EQ(OpenReportFile(next.session, path), OpenResult::NoMap);
    const auto offered = RecoveryToOffer(next.session.game, recovery.path());
    ASSERT_TRUE(offered);
    ASSERT_TRUE(RestoreRecoveryCopy(next.session, *offered));
    EXPECT_TRUE(OrdersChanged(next.session.game));  // restored, not yet saved

    ASSERT_TRUE(SaveTurn(next.session));
    // Orders entered within the same clock tick as the save are offered again,
    // until another Save replaces the working copy they were entered over.
    EnterOrders(next.session);
    ASSERT_EQ(KeepRecoveryCopy(next.session.game, recovery.path()), CopyWrite::Written);
    const QByteArray savedText = reports.Read("orders.tmp");
    QFile saved(reports.path() + "orders.tmp");
    ASSERT_TRUE(saved.open(QIODevice::ReadWrite));
    ASSERT_TRUE(saved.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                  QFileDevice::FileModificationTime));
    saved.close();
    Run third(recovery.path());
    ASSERT_EQ(OpenReportFile(third.session, path), OpenResult::NoMap);
    EXPECT_TRUE(RecoveryToOffer(third.session.game, recovery.path()));
    reports.Write("orders.tmp", QByteArray(savedText).replace("DW", "DA"));
    ASSERT_EQ(OpenReportFile(third.session, path), OpenResult::NoMap);
    EXPECT_FALSE(RecoveryToOffer(third.session.game, recovery.path()));
}

TEST_F(OpenAndRecoverTest, ALongListOfOrdersIsOfferedOverItsOwnWorkingCopy) {
    const QString path = Report();
    {
        Run killed(recovery.path());
        ASSERT_EQ(OpenReportFile(killed.session, path), OpenResult::NoMap);
        for (int i = 0; i < 60; ++i) AddCommand(killed.session.game, killed.port, "DN", 1, 0, 0, 0);
        ASSERT_TRUE(SaveTurn(killed.session));
        AddCommand(killed.session.game, killed.port, "DA", 2, 0, 0, 0);
        ASSERT_EQ(KeepRecoveryCopy(killed.session.game, recovery.path()), CopyWrite::Written);
    }
    Run next(recovery.path());
    ASSERT_EQ(OpenReportFile(next.session, path), OpenResult::NoMap);
    EXPECT_TRUE(RecoveryToOffer(next.session.game, recovery.path()));
}

}  // namespace
}  // namespace qm
