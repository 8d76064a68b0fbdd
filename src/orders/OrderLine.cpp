#include "orders/OrderLine.h"

#include "orders/AllyLists.h"
#include "orders/AnsweringPort.h"
#include "orders/CommandList.h"
#include "orders/Declarations.h"
#include "orders/GrantAccess.h"
#include "orders/LineWords.h"
#include "orders/MapClicks.h"
#include "orders/OrderContext.h"
#include "orders/OrderHistory.h"
#include "orders/SpyTargets.h"
#include "orders/VictoryConditions.h"
#include "state/OrderCodes.h"
#include "state/TurnRules.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <utility>

namespace qm {

namespace {

// How each code is written, for a line that does not read.
QString FormOf(const QString& code) {
    static const std::pair<const char*, const char*> kForms[] = {
        {"MO", "MO 60 58 (the unit's area, then the target)"},
        {"SA", "SA 60 58, or SA 60 58 Ormanth to support an ally's attack"},
        {"SD", "SD 60 59"},
        {"CO", "CO 21 60"},
        {"DA", "DA Ormanth"},
        {"DN", "DN Ormanth"},
        {"DW", "DW Ormanth"},
        {"GA", "GA Ormanth 58, or GA Ormanth ALL"},
        {"CA", "CA Ormanth Tirvenia (the ally, then the enemy)"},
        {"VC", "VC 10 300 (turns, then points)"},
        {"SP", "SP 12 13 14 (up to six areas)"},
        {"Cancel", "Cancel 60"},
    };
    for (const auto& [name, form] : kForms)
        if (code == QLatin1String(name)) return QLatin1String(form);
    return code + QStringLiteral(" 58");
}

bool Among(const std::vector<std::int16_t>& players, std::int16_t player) {
    return std::find(players.begin(), players.end(), player) != players.end();
}

bool IsAreaOrderCode(const QString& code) {
    return IsUnitOrder(code) || IsArrowOrder(code) || code == kCancelOption;
}

class LineOrder {
public:
    LineOrder(const OrderContext& context, SpyTargets& spies, OrderHistory& history,
              const QString& code, LineWords& words)
        : context_(context), spies_(spies), history_(history), code_(code), words_(words) {}

    // Reads the rest of the line and gives the order; false when the line does not read.
    bool Give() {
        if (IsAreaOrderCode(code_)) return AreaOrder();
        if (IsDeclaration(code_)) return Declaration();
        if (code_ == kGrantAccess) return Grant();
        if (code_ == kCallToArms) return CallToArms();
        if (code_ == kVictoryConditions) return Victory();
        return Spies();
    }

private:
    bool Read() const { return !words_.Failed() && words_.AtEnd(); }

    bool AreaOrder() {
        const auto from = words_.Area();
        const auto to = IsArrowOrder(code_) ? words_.Area() : std::optional<std::int16_t>(0);
        std::optional<std::int16_t> supported;
        if (code_ == kSupportAttack && !words_.AtEnd()) supported = words_.Player();
        if (!from || !to || !Read()) return false;
        Interaction& interaction = context_.interaction;
        // The line stands beside whatever the map or a window has armed.
        const QString mode = std::exchange(interaction.MapMode, QString());
        AnsweringPort port(context_.port, supported);
        const OrderContext context{context_.game, interaction, context_.map, port};
        MapDoubleClick(context, *from, code_);
        if (IsArrowOrder(code_) && interaction.MapMode == code_) MapClick(context, spies_, *to);
        interaction.MapMode = mode;
        return true;
    }

    bool Declaration() {
        const auto player = words_.Player();
        if (!player || !Read()) return false;
        // The window offers no war on the first turn; the line says so.
        if (code_ == kDeclareWar && !WarAllowed(context_.game))
            context_.port.ShowMessage(QStringLiteral("War cannot be declared on the first turn"),
                                      MessageIcon::Stop);
        else
            Declare(context_.game, context_.port, QLatin1String(code_.toLatin1()), *player);
        return true;
    }

    bool Grant() {
        const auto player = words_.Player();
        const bool all = words_.TakeWord(QLatin1String("ALL"));
        const auto area = all ? std::optional<std::int16_t>(0) : words_.Area();
        if (!player || !area || !Read()) return false;
        if (!Among(GrantCandidates(context_.game), *player)) {
            context_.port.ShowMessage(QStringLiteral("Access is granted to a mutual ally only"),
                                      MessageIcon::Stop);
        } else if (all) {
            GrantAll(context_.game, context_.port, *player);
        } else {
            GrantArea(context_.game, context_.port, *player, QString::number(*area));
        }
        return true;
    }

    bool CallToArms() {
        const auto ally = words_.Player();
        const auto enemy = words_.Player();
        if (!ally || !enemy || !Read()) return false;
        if (RefusedInFirstTurns(context_.game, context_.port)) return true;
        const CallToArmsLists candidates = CallToArmsCandidates(context_.game);
        if (!Among(candidates.allies, *ally) || !Among(candidates.enemies, *enemy)) {
            context_.port.ShowMessage(
                QStringLiteral("A call to arms goes to a mutual ally against an enemy of yours"),
                MessageIcon::Stop);
            return true;
        }
        AddCommand(context_.game, context_.port, kCallToArms, *ally, *enemy, 0, 0);
        return true;
    }

    bool Victory() {
        const auto turns = words_.Count();
        const auto points = words_.Count();
        if (!turns || !points || !Read()) return false;
        if (!IsFirstTurn(context_.game)) {
            context_.port.ShowMessage(
                QStringLiteral("Victory conditions are proposed on the first turn only"),
                MessageIcon::Stop);
            return true;
        }
        Interaction& interaction = context_.interaction;
        const QString mode = std::exchange(interaction.MapMode, QString());
        VictoryProposal proposal = OpenVictoryConditions(context_.game, interaction);
        EnterVictoryValue(context_.game, proposal, 0, QString::number(*turns));
        EnterVictoryValue(context_.game, proposal, 1, QString::number(*points));
        CloseVictoryConditions(context_.game, interaction, context_.port, spies_, history_,
                               proposal);
        interaction.MapMode = mode;
        return true;
    }

    // Into the spy window's cells while it is open (it writes them as it
    // closes), else through cells of the line's own, as the window would.
    bool Spies() {
        std::vector<std::int16_t> areas;
        while (!words_.AtEnd())
            if (const auto area = words_.Area()) areas.push_back(*area);
        if (areas.empty()) words_.Missing();
        if (!Read()) return false;
        if (spies_.open) {
            for (const std::int16_t area : areas)
                if (!SpyOrder(spies_, context_.port, area)) break;
            return true;
        }
        Interaction& interaction = context_.interaction;
        const QString mode = std::exchange(interaction.MapMode, QString());
        SpyTargets own;
        OpenSpyTargets(context_.game, interaction, own);
        for (const std::int16_t area : areas)
            if (!SpyOrder(own, context_.port, area)) break;
        CloseSpyTargets(context_.game, interaction, own);
        interaction.MapMode = mode;
        return true;
    }

    const OrderContext& context_;
    SpyTargets& spies_;
    OrderHistory& history_;
    const QString& code_;
    LineWords& words_;
};

}  // namespace

bool EnterOrderLine(const OrderContext& context, SpyTargets& spies, OrderHistory& history,
                    const QString& line) {
    QStringList items = line.simplified().split(u' ', Qt::SkipEmptyParts);
    if (items.isEmpty()) return false;
    if (context.interaction.ReadOnly) {
        context.port.ShowMessage(
            QStringLiteral("A turn of the history is only looked at: orders go into the loaded "
                           "turn (View > Turn History returns to it)"),
            MessageIcon::Information);
        return false;
    }
    const QString code = OrderLineCode(items.takeFirst());
    if (code.isEmpty()) {
        QStringList codes;
        for (const char* known : kOrderLineCodes) codes << QLatin1String(known);
        const QString last = codes.takeLast();
        context.port.ShowMessage(
            QStringLiteral("%1 is no order; the orders are %2 and %3")
                .arg(line.simplified().section(u' ', 0, 0), codes.join(QStringLiteral(", ")), last),
            MessageIcon::Stop);
        return false;
    }
    const OrdersSnapshot before = TakeOrdersSnapshot(context.game);
    LineWords words(context.game, items);
    bool read = false;
    history.Record(context.game,
                   [&] { read = LineOrder(context, spies, history, code, words).Give(); });
    if (!read) {
        const QString problem = words.problem();
        context.port.ShowMessage(problem.isEmpty() || problem == QLatin1String("missing")
                                     ? QStringLiteral("Write it as %1").arg(FormOf(code))
                                     : problem,
                                 MessageIcon::Stop);
        return false;
    }
    return !(TakeOrdersSnapshot(context.game) == before);
}

}  // namespace qm
