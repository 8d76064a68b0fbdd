#pragma once
// A written report, read back as the program reads it: it must load without a
// word but the missing orders, show exactly what its player may see, and hold
// a legal position that its player can pay for.

#include "sample/MasterState.h"
#include "sample/SampleGame.h"

#include "files/ReportReader.h"
#include "map/LoadMapData.h"
#include "session/Session.h"
#include "state/ConsolePort.h"
#include "state/Totals.h"
#include "state/TurnRules.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <set>

namespace sample {

// Counts the messages, apart from the one a report without saved orders gives.
class CheckPort : public qm::ConsolePort {
public:
    CheckPort() : ConsolePort(QStringLiteral("make_sample: ")) {}
    void ShowMessage(const QString& text, qm::MessageIcon icon) override {
        if (text == QLatin1String("No old orders to read in") && icon == qm::MessageIcon::None)
            return;
        ++others;
        ConsolePort::ShowMessage(text, icon);
    }
    int others = 0;
};

/// The first fault of player's report text, or empty if none.
inline QString CheckReport(const MasterState& master, const QByteArray& text, int player,
                           const QString& mapFolder) {
    using namespace qm;
    // Read from a copy of its own, since reading may write beside the report.
    QTemporaryDir folder;
    QFile copy(folder.path() + "/plyrdata");
    if (!copy.open(QIODevice::WriteOnly) || copy.write(text) != text.size()) return "no copy";
    copy.close();
    CheckPort port;
    Session session(port);
    GameState& game = session.game;
    if (!ReadReport(game, session.port, folder.path() + '/', "plyrdata") ||
        !LoadMapData(game, session.map, session.port, {mapFolder}) || port.others != 0)
        return QStringLiteral("it does not read cleanly");
    if (game.GameCode != master.GameCode || game.CurrentPlayer != player ||
        game.TurnYear != master.TurnYear || game.TurnOfYear != master.TurnOfYear ||
        game.PlayerCount != master.PlayerCount)
        return QStringLiteral("the turn or the player is wrong");
    if (ComputeTotals(game).FreeSupply < 0) return QStringLiteral("the units cannot be paid for");

    // The listed areas, straight from the file's area records, as the master has them.
    std::set<int> listed, expected;
    bool areas = false;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> items = line.trimmed().split(',');
        if (areas && items.size() == 4) {
            const int a = items[0].toInt();
            if (a < 1 || a > kLastArea || items[1].toInt() != master.owner[a] ||
                items[2].toInt() != master.unitOwner[a] || items[3].toInt() != master.unitType[a])
                return QStringLiteral("area %1 is not as the master has it").arg(a);
            listed.insert(a);
        }
        areas = areas || line.startsWith("Number of Areas =");
    }
    int homes = 0;
    for (int a = 1; a <= kLastArea; ++a) {
        const int type = game.area(a).AreaType;
        const int unit = master.unitType[a];
        if ((unit == kArmy || unit == kCorps) && type != kLand && type != kCoast)
            return QStringLiteral("an army at sea in area %1").arg(a);
        if ((unit == kFleet || unit == kSquadron) && type != kWater && type != kCoast)
            return QStringLiteral("a ship ashore in area %1").arg(a);
        if (master.owner[a] != 0 && (type == kNoEntry || a == kNeutralArea))
            return QStringLiteral("area %1 cannot be owned").arg(a);
        // The player sees its areas, the areas of its units, and their neighbours.
        if (master.owner[a] == player || (master.unitOwner[a] == player && unit > 0)) {
            expected.insert(a);
            for (const int n : game.area(a).Neighbours)
                if (n > 0) expected.insert(n);
        }
        homes += master.owner[a] == player && game.area(a).HomeFlag != 0;
    }
    if (listed != expected) return QStringLiteral("it lists other areas than its player sees");
    if (!IsFirstTurn(game)) return {};
    // The first turn: no treaties, and every power in its one home area.
    for (int q = 1; q <= kPowers; ++q)
        if (game.player(player).Relation[q] != QChar(q == player ? 'A' : 'N'))
            return QStringLiteral("a treaty on the first turn");
    return homes == 1 ? QString() : QStringLiteral("not in one home area");
}

}  // namespace sample
