#include "state/TurnChanges.h"

#include "state/AreaDescription.h"
#include "state/GameState.h"
#include "state/OrderCodes.h"
#include "state/SummaryRows.h"
#include "state/TypeNames.h"

#include <algorithm>

namespace qm {

namespace {

bool Seen(const AreaRecord& area) { return area.Owner != kUnseenOwner; }

class ChangeWriter {
public:
    explicit ChangeWriter(std::vector<ChangeLine>& lines) : lines_(lines) {}
    // The heading goes in before the section's first line only.
    void Section(const char* heading, ChangeKind kind) {
        heading_ = QString::fromLatin1(heading);
        kind_ = kind;
        headed_ = false;
    }
    void Add(const QString& text, std::int16_t area = 0) {
        if (!headed_) lines_.push_back({heading_, 0, ChangeKind::Heading});
        headed_ = true;
        lines_.push_back({text, area, kind_});
    }

private:
    std::vector<ChangeLine>& lines_;
    QString heading_;
    ChangeKind kind_ = ChangeKind::Heading;
    bool headed_ = true;
};

void ListAreas(ChangeWriter& out, const GameState& before, const GameState& after) {
    out.Section("Areas that changed hands", ChangeKind::Owner);
    for (std::int16_t a = 1; a <= kLastArea; ++a) {
        const AreaRecord &then = before.area(a), &now = after.area(a);
        if (Seen(then) && Seen(now) && then.Owner != now.Owner)
            out.Add(AreaLabel(after, a) + QStringLiteral(": ") +
                        ShortPlayerText(after, then.Owner) + QStringLiteral(" to ") +
                        ShortPlayerText(after, now.Owner),
                    a);
    }
}

void ListUnits(ChangeWriter& out, const GameState& before, const GameState& after) {
    out.Section("Units", ChangeKind::Unit);
    for (std::int16_t a = 1; a <= kLastArea; ++a) {
        const AreaRecord &then = before.area(a), &now = after.area(a);
        if (!Seen(then) || !Seen(now)) continue;
        const bool was = IsUnitType(then.UnitType), is = IsUnitType(now.UnitType);
        const QString label = AreaLabel(after, a) + QStringLiteral(": ");
        if (!was && is)
            out.Add(label + ShortUnitText(after, now.UnitOwner, now.UnitType) + " appeared", a);
        else if (was && !is)
            out.Add(label + ShortUnitText(after, then.UnitOwner, then.UnitType) + " vanished", a);
        else if (was && (then.UnitType != now.UnitType || then.UnitOwner != now.UnitOwner))
            out.Add(label + ShortUnitText(after, then.UnitOwner, then.UnitType) + " is now a " +
                        ShortUnitText(after, now.UnitOwner, now.UnitType),
                    a);
    }
}

void ListRelations(ChangeWriter& out, const GameState& before, const GameState& after) {
    out.Section("Relations", ChangeKind::Relation);
    auto letter = [](QChar c) { return c.isNull() ? QStringLiteral("-") : QString(c); };
    const int last = std::min<int>({before.PlayerCount, after.PlayerCount, kLastPlayer});
    for (int p = 1; p <= last; ++p)
        for (int q = 1; q <= last; ++q) {
            const QChar then = before.player(p).Relation[q], now = after.player(p).Relation[q];
            if (p != q && then != now)
                out.Add(ShortPlayerText(after, p) + QStringLiteral(" toward ") +
                        ShortPlayerText(after, q) + QStringLiteral(": ") + letter(then) +
                        QStringLiteral(" to ") + letter(now));
        }
}

void ListTotals(ChangeWriter& out, const GameState& before, const GameState& after) {
    out.Section("Totals, then and now", ChangeKind::Total);
    const Totals then = ComputeTotals(before), now = ComputeTotals(after);
    for (const SummaryRow& row : kSummaryRows)
        out.Add(QStringLiteral("%1: %2 then, %3 now")
                    .arg(QLatin1String(row.label))
                    .arg(then.*row.value)
                    .arg(now.*row.value));
}

// What the later report shows in an area, in the player's words.
QString Holding(const GameState& after, std::int16_t area) {
    const AreaRecord& now = after.area(area);
    const QString label = AreaLabel(after, area);
    if (!Seen(now)) return label + QStringLiteral(" is not seen now");
    if (!IsUnitType(now.UnitType)) return label + QStringLiteral(" holds no unit now");
    if (now.UnitOwner == after.CurrentPlayer)
        return label + QStringLiteral(" now holds your ") + UnitTypeName(now.UnitType);
    return label + QStringLiteral(" now holds a ") +
           ShortUnitText(after, now.UnitOwner, now.UnitType);
}

// Where a convoy chain lands: followed through the carrying units' orders.
std::int16_t LandingOf(const GameState& game, std::int16_t area) {
    std::int16_t at = game.area(area).Parm1;
    for (int step = 0; step < kLastArea && IsAreaNumber(at); ++step) {
        const AreaRecord& next = game.area(at);
        if (next.AreaType != kWater || next.Command != kConvoy) return at;
        at = next.Parm1;
    }
    return IsAreaNumber(at) ? at : area;
}

void ListOrders(ChangeWriter& out, const GameState& before, const GameState& after) {
    out.Section("What became of your orders", ChangeKind::Order);
    for (std::int16_t a = 1; a <= kLastArea; ++a) {
        const AreaRecord& order = before.area(a);
        const QString& code = order.Command;
        if (code.isEmpty()) continue;
        const QString from = AreaLabel(before, a);
        const QString unit = UnitTypeName(order.UnitType);
        QString text;
        std::int16_t target = a;
        if (const std::int16_t built = BuiltUnitType(code); built != kNoUnit) {
            text = QStringLiteral("Build of a ") + UnitTypeName(built) + " in " + from;
        } else if (code == kUpgrade || code == kDowngrade || code == kRemove) {
            const char* verb = code == kUpgrade     ? "Upgrade"
                               : code == kDowngrade ? "Downgrade"
                                                    : "Removal";
            text = QLatin1String(verb) + QStringLiteral(" of the ") + unit + " in " + from;
        } else if (code == kConvoy) {
            target = LandingOf(before, a);
            text = QStringLiteral("Convoy from ") + from + " to " + AreaLabel(before, target);
        } else if (IsAreaNumber(order.Parm1)) {
            target = order.Parm1;
            const QString to = AreaLabel(before, target);
            text = code == kMove
                       ? QStringLiteral("Move of the ") + unit + " from " + from + " to " + to
                   : code == kSupportAttack
                       ? QStringLiteral("Support from ") + from + " of the attack on " + to
                       : QStringLiteral("Support from ") + from + " of the defence of " + to;
        } else {
            continue;
        }
        out.Add(text + QStringLiteral(": ") + Holding(after, target), target);
    }
    for (int slot = kFirstListSlot; slot <= before.CommandCount && slot <= kLastCommandSlot;
         ++slot) {
        const CommandRecord& order = before.CommandList[static_cast<std::size_t>(slot)];
        if (!IsDeclaration(order.Code) || !IsPlayerNumber(order.P[1])) continue;
        const char* what = order.Code == kDeclareWar        ? "Declaration of war on "
                           : order.Code == kDeclareAlliance ? "Alliance offered to "
                                                            : "Neutrality declared toward ";
        const QChar mine = after.player(after.CurrentPlayer).Relation[order.P[1]];
        const QChar theirs = after.player(order.P[1]).Relation[after.CurrentPlayer];
        out.Add(QLatin1String(what) + ShortPlayerText(after, order.P[1]) +
                QStringLiteral(": now %1 toward them, %2 toward you")
                    .arg(mine.isNull() ? QChar('-') : mine, theirs.isNull() ? QChar('-') : theirs));
    }
}

}  // namespace

std::vector<ChangeLine> ListChanges(const GameState& before, const GameState& after) {
    std::vector<ChangeLine> lines;
    ChangeWriter out(lines);
    ListAreas(out, before, after);
    ListUnits(out, before, after);
    ListRelations(out, before, after);
    ListTotals(out, before, after);
    ListOrders(out, before, after);
    return lines;
}

std::vector<std::int16_t> ChangedAreas(const std::vector<ChangeLine>& lines) {
    std::vector<std::int16_t> areas;
    for (const ChangeLine& line : lines)
        if ((line.kind == ChangeKind::Owner || line.kind == ChangeKind::Unit) &&
            std::find(areas.begin(), areas.end(), line.area) == areas.end())
            areas.push_back(line.area);
    return areas;
}

}  // namespace qm
