#pragma once
// A power's orders put in as its player would: the turn's report loaded into
// the program, each order given through the program's own order rules, and
// the orders saved by the program into its orders file and working copy.

#include "sample/ReportWriter.h"
#include "sample/TurnOrders.h"

#include "files/OrdersFiles.h"
#include "files/ReportReader.h"
#include "files/SaveOrders.h"
#include "io/FileNames.h"
#include "map/LoadMapData.h"
#include "orders/Declarations.h"
#include "orders/TargetOrders.h"
#include "orders/UnitOrders.h"
#include "session/Session.h"
#include "state/ConsolePort.h"
#include "state/OrderCodes.h"
#include "state/Totals.h"

#include <QFile>
#include <QTemporaryDir>

#include <optional>

namespace sample {

struct SavedOrders {
    PlayerOrders taken;  // as the program recorded them
    QByteArray commands, workingCopy;
};

/// The orders the program holds for the loaded turn.
inline PlayerOrders RecordedOrders(const qm::GameState& game) {
    PlayerOrders taken;
    for (int a = 1; a <= qm::kLastArea; ++a) {
        const qm::AreaRecord& area = game.area(a);
        if (area.Command == qm::kMove) taken.moves.push_back({a, area.Parm1});
        if (qm::BuiltUnitType(area.Command) != qm::kNoUnit)
            taken.builds.push_back({a, qm::BuiltUnitType(area.Command)});
        if (area.Command == qm::kUpgrade) taken.upgrades.push_back(a);
        if (area.Command == qm::kRemove) taken.removals.push_back(a);
        if (area.Command == qm::kSupportDefend) taken.defences.push_back({a, area.Parm1});
        if (area.Command == qm::kSupportAttack)
            taken.attacks.push_back({a, area.Parm1, area.Parm2});
    }
    for (int slot = 3; slot <= game.CommandCount; ++slot) {
        const qm::CommandRecord& order = game.CommandList[static_cast<std::size_t>(slot)];
        if (order.Code == qm::kDeclareAlliance || order.Code == qm::kDeclareNeutrality ||
            order.Code == qm::kDeclareWar)
            taken.declarations.push_back({order.Code, order.P[1]});
    }
    return taken;
}

/// Gives the player's orders on the report of `master`; nothing when the
/// report or the saving fails. An order the rules refuse is missing from `taken`.
inline std::optional<SavedOrders> EnterOrders(const MasterState& master, const MapFacts& facts,
                                              int player, const PlayerOrders& orders,
                                              const QString& mapFolder) {
    QTemporaryDir folder;
    const QString directory = folder.path() + '/';
    QFile report(directory + "plyrdata");
    const QByteArray text = ReportText(master, facts.map(), player);
    if (!report.open(QIODevice::WriteOnly) || report.write(text) != text.size()) return {};
    report.close();
    // Warnings (a move into an unowned area) let an order stand, as for a player.
    // The support attack dialog is answered with the player of the attack at hand.
    struct Quiet : qm::ConsolePort {
        Quiet() : ConsolePort({}, true) {}
        qm::SupportAnswer AskSupportedPlayer() override { return supported; }
        qm::SupportAnswer supported;
    } quiet;
    qm::Session session(quiet);
    qm::GameState& game = session.game;
    if (!qm::ReadReport(game, quiet, directory, "plyrdata") ||
        !qm::LoadMapData(game, session.map, quiet, {mapFolder}))
        return {};
    game.totals = qm::ComputeTotals(game);
    const qm::OrderContext context = session.orders();
    auto select = [&](int area) {
        session.interaction.SelectedArea = static_cast<std::int16_t>(area);
    };
    for (const int a : orders.upgrades) {
        select(a);
        qm::UpgradeUnit(context);
    }
    for (const auto& [area, type] : orders.builds) {
        select(area);
        qm::BuildUnit(context, static_cast<std::int16_t>(type));
    }
    for (const int a : orders.removals) {
        select(a);
        qm::RemoveUnit(context);
    }
    for (const auto& [from, to] : orders.moves) {
        select(from);
        qm::MoveOrder(context, static_cast<std::int16_t>(to));
    }
    for (const auto& [from, to] : orders.defences) {
        select(from);
        qm::SupportDefendOrder(context, static_cast<std::int16_t>(to));
    }
    for (const auto& [from, to, supported] : orders.attacks) {
        select(from);
        quiet.supported = static_cast<std::int16_t>(supported);
        qm::SupportAttackOrder(context, static_cast<std::int16_t>(to));
    }
    for (const auto& [code, to] : orders.declarations)
        qm::Declare(game, quiet, QLatin1String(code.toLatin1()), static_cast<std::int16_t>(to));
    game.ReportDir = directory;
    if (!qm::SaveOrders(game, quiet)) return {};
    const auto commands = qm::ReadWholeFile(qm::CommandsFilePath(directory));
    const auto workingCopy = qm::ReadWholeFile(qm::WorkingCopyPath(directory));
    if (!commands || !workingCopy) return {};
    return SavedOrders{RecordedOrders(game), *commands, *workingCopy};
}

}  // namespace sample
