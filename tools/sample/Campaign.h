#pragma once
// How the sample game is played from its first turn to the mid-game turn:
// every unit of the first turn is matched with one of the mid-game turn, the
// others are built on the power's supply centres as supply allows, and each
// unit walks its shortest way to where it ends, taking on the way the areas
// its power holds at the end. Alliances are made on the second turn, wars
// declared on the fourth, the first on which the rules allow them.

#include "sample/MasterTurn.h"
#include "sample/MoveGraph.h"

#include <map>
#include <set>
#include <tuple>

namespace sample {

class Campaign {
public:
    static constexpr int kTurns = 10;  // 1880-1 to 1882-3

    Campaign(const MapFacts& facts, const MoveGraph& graph, const MasterState& first,
             const MasterState& last)
        : facts_(facts), graph_(graph), last_(last), homes_(AssignHomes(facts)) {
        for (int p = 1; p <= kPowers; ++p) {
            for (int a = 1; a <= qm::kLastArea; ++a)
                if (last.owner[a] == p && first.owner[a] != p) gains_[p].insert(a);
            MatchUnits(first, p);
        }
        std::stable_sort(builds_.begin(), builds_.end(), [](const Build& a, const Build& b) {
            return Size(a.buildType) > Size(b.buildType);
        });
    }

    /// Why the game cannot be played as planned; empty if it can.
    const QString& fault() const { return fault_; }

    /// Every power's orders on `now`, the state of turn `turn` (0 = the first).
    TurnOrders Next(const MasterState& now, int turn) {
        now_ = &now;
        distances_.clear();
        left_ = kTurns - turn;
        taken_.fill(false);
        roomFor_.fill(0);
        TurnOrders orders;
        Declarations(orders, turn);
        std::vector<Agent> born;
        for (int p = 1; p <= kPowers; ++p) UpgradeAndBuild(p, orders[p], born);
        Move(orders);
        for (Agent& agent : agents_) agent.busy = false;
        agents_.insert(agents_.end(), born.begin(), born.end());
        return orders;
    }

private:
    struct Agent {
        int player, area, type, finalArea, finalType;
        int claim = 0;  // the area it is on its way to take
        bool busy = false;
    };
    struct Build {
        int player, finalArea, finalType, buildType;
    };

    static int Size(int type) { return qm::UnitKindOf(type)->size; }
    static int Smaller(int type) { return type == qm::kArmy ? qm::kCorps : qm::kSquadron; }
    static bool Fits(int startType, int finalType) {
        return startType == finalType || (startType != qm::kArmy && startType != qm::kFleet &&
                                          Upgraded(startType) == finalType);
    }

    // Areas a unit may stand in: not one its power would take unless it is
    // one to be taken.
    bool Enters(int player, int a) const {
        if (a == qm::kNeutralArea || facts_.Type(a) < qm::kLand || facts_.Type(a) > qm::kWater)
            return false;
        return !TakesArea(*now_, facts_, homes_[player], a) || gains_[player].count(a) > 0;
    }
    const std::vector<int>& From(int player, int type, int a) {
        auto& steps = distances_[std::tuple(player, UnitClass(type), a)];
        if (steps.empty())
            steps = graph_.Distances(type, a, [&](int n) { return Enters(player, n); });
        return steps;
    }
    int Slack(const Agent& agent) {
        const int upgrade = agent.type != agent.finalType ? 1 : 0;
        return left_ - From(agent.player, agent.type, agent.area)[agent.finalArea] - upgrade;
    }

    void MatchUnits(const MasterState& first, int p) {
        std::vector<int> starts, finals;
        for (int a = 1; a <= qm::kLastArea; ++a) {
            if (first.unitOwner[a] == p && first.unitType[a] != 0) starts.push_back(a);
            if (last_.unitOwner[a] == p && last_.unitType[a] != 0) finals.push_back(a);
        }
        auto any = [&](int n) { return n != qm::kNeutralArea && facts_.Type(n) <= qm::kWater; };
        std::vector<std::tuple<int, int, int>> pairs;  // cost, start, final
        for (const int s : starts) {
            const auto steps = graph_.Distances(first.unitType[s], s, any);
            for (const int f : finals)
                if (Fits(first.unitType[s], last_.unitType[f]) && steps[f] < MoveGraph::kFar)
                    pairs.push_back(
                        {steps[f] + (first.unitType[s] != last_.unitType[f] ? 4 : 0), s, f});
        }
        std::sort(pairs.begin(), pairs.end());
        std::set<int> matched;
        for (const auto& [cost, s, f] : pairs) {
            if (matched.count(s) || matched.count(-f)) continue;
            matched.insert(s);
            matched.insert(-f);
            agents_.push_back({p, s, first.unitType[s], f, last_.unitType[f]});
        }
        for (const int s : starts)
            if (!matched.count(s))
                fault_ = QStringLiteral("player %1's unit in %2 has nowhere to go").arg(p).arg(s);
        for (const int f : finals) {
            if (matched.count(-f)) continue;
            const int type = last_.unitType[f];
            const bool site = !Sites(p, type, f, any).empty();
            builds_.push_back({p, f, type, site ? type : Smaller(type)});
        }
    }

    // Supply centres of the power's final realm where a unit of the type may
    // be built and go on to `to`.
    std::vector<int> Sites(int p, int type, int to, const std::function<bool(int)>& enter) const {
        std::vector<int> sites;
        for (int a = 1; a <= qm::kLastArea; ++a)
            if (last_.owner[a] == p && facts_.Supply(a) >= Size(type) &&
                (UnitClass(type) == 0 || facts_.Type(a) == qm::kCoast) &&
                graph_.Distances(type, a, enter)[to] < MoveGraph::kFar)
                sites.push_back(a);
        return sites;
    }

    void Declarations(TurnOrders& orders, int turn) {
        for (int p = 1; p <= kPowers; ++p)
            for (int q = 1; q <= kPowers; ++q) {
                const QChar letter = last_.relations[p][q];
                if (p == q || letter == now_->relations[p][q]) continue;
                if (turn == 1 && letter == QLatin1Char('A'))
                    orders[p].declarations.push_back({QString(qm::kDeclareAlliance), q});
                if (turn == 3 && letter == QLatin1Char('W') && p < q)
                    orders[p].declarations.push_back({QString(qm::kDeclareWar), q});
            }
    }

    bool Free(int a) const { return now_->unitType[a] == 0 && !taken_[a]; }

    void UpgradeAndBuild(int p, PlayerOrders& orders, std::vector<Agent>& born) {
        int free = FreeSupply(*now_, facts_, p);
        for (Agent& agent : agents_) {
            if (agent.player != p || agent.type == agent.finalType ||
                facts_.Supply(agent.area) == 0 || free <= 0 || Slack(agent) < 0)
                continue;
            orders.upgrades.push_back(agent.area);
            agent.type = agent.finalType;
            agent.busy = true;
            --free;
        }
        for (auto build = builds_.begin(); build != builds_.end();) {
            const int cost = Size(build->buildType);
            int site = 0, best = MoveGraph::kFar;
            const int upgrade = build->buildType != build->finalType ? 1 : 0;
            for (int a = 1; a <= qm::kLastArea && build->player == p && free >= cost; ++a) {
                if (now_->owner[a] != p || facts_.Supply(a) < cost || !Free(a) ||
                    (UnitClass(build->buildType) == 1 && facts_.Type(a) != qm::kCoast))
                    continue;
                const int steps = From(p, build->buildType, a)[build->finalArea];
                if (steps + upgrade <= left_ - 1 && steps < best) {
                    best = steps;
                    site = a;
                }
            }
            if (site == 0) {
                if (build->player == p && free >= cost) roomFor_[p] = BlockedSite(*build);
                ++build;
                continue;
            }
            orders.builds.push_back({site, build->buildType});
            taken_[site] = true;
            free -= cost;
            born.push_back({p, site, build->buildType, build->finalArea, build->finalType});
            build = builds_.erase(build);
        }
    }

    // A site for the build that an arrived unit of the power holds.
    int BlockedSite(const Build& build) {
        for (const Agent& agent : agents_) {
            const int a = agent.area;
            if (agent.player == build.player && now_->owner[a] == build.player &&
                facts_.Supply(a) >= Size(build.buildType) &&
                (UnitClass(build.buildType) == 0 || facts_.Type(a) == qm::kCoast) &&
                From(build.player, build.buildType, a)[build.finalArea] <= left_ - 3)
                return a;
        }
        return 0;
    }

    // The area the agent heads for this turn.
    int Goal(Agent& agent) {
        const auto& steps = From(agent.player, agent.type, agent.area);
        auto via = [&](int a) {
            return steps[a] + From(agent.player, agent.type, a)[agent.finalArea];
        };
        if (agent.type != agent.finalType) {
            // A supply centre to be upgraded on.
            if (facts_.Supply(agent.area) > 0) return agent.area;
            int best = agent.finalArea;
            for (int a = 1; a <= qm::kLastArea; ++a)
                if (facts_.Supply(a) > 0 && via(a) + 1 <= left_ &&
                    (best == agent.finalArea || via(a) < via(best)))
                    best = a;
            return best;
        }
        auto open = [&](int a) { return now_->owner[a] != agent.player; };
        if (agent.claim != 0 && open(agent.claim) && via(agent.claim) <= left_) return agent.claim;
        agent.claim = 0;
        for (const int a : gains_[agent.player]) {
            const bool claimed = std::any_of(agents_.begin(), agents_.end(),
                                             [&](const Agent& other) { return other.claim == a; });
            if (!open(a) || claimed || via(a) > left_ - 1) continue;
            if (agent.claim == 0 || steps[a] < steps[agent.claim]) agent.claim = a;
        }
        return agent.claim != 0 ? agent.claim : agent.finalArea;
    }

    // The next area on the agent's way, or 0 to stay. Areas whose units stay
    // this turn are not entered.
    int Desire(Agent& agent, const std::array<bool, qm::kAreaSlots>& staying) {
        const int goal = Goal(agent);
        const int toGo = From(agent.player, agent.type, agent.area)[goal];
        if (toGo == 0 || toGo >= MoveGraph::kFar) return 0;
        int pick = 0;
        auto rank = [&](int n) {
            // Rather through an area still to be taken, then an empty one.
            const bool takes = gains_[agent.player].count(n) && now_->owner[n] != agent.player;
            return std::pair(!takes, now_->unitType[n] != 0);
        };
        for (const int n : graph_.From(agent.type, agent.area)) {
            if (!Enters(agent.player, n) || staying[n] || taken_[n] ||
                From(agent.player, agent.type, n)[goal] != toGo - 1)
                continue;
            if (pick == 0 || rank(n) < rank(pick)) pick = n;
        }
        return pick;
    }

    // Moves every unit that can go: into an empty area, or one its unit
    // leaves, also round a ring of units; never two into one area, and only
    // units of one power trade places.
    void Move(TurnOrders& orders) {
        std::vector<Agent*> order;
        for (Agent& agent : agents_) order.push_back(&agent);
        // The units with the least time to spare go first.
        std::stable_sort(order.begin(), order.end(),
                         [&](const Agent* a, const Agent* b) { return Slack(*a) < Slack(*b); });
        std::array<bool, qm::kAreaSlots> staying{};
        for (int a = 1; a <= qm::kLastArea; ++a) staying[a] = now_->unitType[a] != 0;
        std::array<Agent*, qm::kAreaSlots> standing{};
        for (Agent* agent : order) {
            standing[agent->area] = agent;
            staying[agent->area] = agent->busy;
        }
        std::map<Agent*, int> target;
        for (Agent* agent : order)
            if (!agent->busy)
                if (const int t = Desire(*agent, staying)) target[agent] = t;
        // A unit that has arrived lets another of its power pass, trading
        // places with it, when it has the time to come back.
        for (Agent* agent : order) {
            if (!target.count(agent)) continue;
            Agent* there = standing[target[agent]];
            if (there && !there->busy && !target.count(there) && there->player == agent->player &&
                Slack(*there) >= 2 && graph_.CanStep(there->type, there->area, agent->area))
                target[there] = agent->area;
        }
        // One makes room for a unit to be built where it stands.
        for (Agent* agent : order) {
            if (agent->area != roomFor_[agent->player] || target.count(agent) || agent->busy ||
                Slack(*agent) < 2)
                continue;
            for (const int n : graph_.From(agent->type, agent->area))
                if (Enters(agent->player, n) && Free(n) && !standing[n]) {
                    target[agent] = n;
                    break;
                }
        }
        // A move goes ahead into an empty area, or into one whose unit goes.
        std::set<Agent*> going;
        std::array<bool, qm::kAreaSlots> claimed{};
        auto accept = [&](Agent* agent) {
            going.insert(agent);
            claimed[target[agent]] = true;
        };
        for (bool more = true; more;) {
            more = false;
            for (Agent* agent : order) {
                if (!target.count(agent) || going.count(agent) || claimed[target[agent]]) continue;
                Agent* there = standing[target[agent]];
                if (now_->unitType[target[agent]] == 0 || (there && going.count(there))) {
                    accept(agent);
                    more = true;
                }
            }
        }
        // Then rings of units each going where the next one leaves.
        for (Agent* agent : order) {
            std::vector<Agent*> ring = {agent};
            while (ring.size() <= order.size()) {
                Agent* last = ring.back();
                if (!target.count(last) || going.count(last) || claimed[target[last]]) break;
                Agent* next = standing[target[last]];
                if (!next) break;
                if (next == agent) {
                    const bool trade = ring.size() == 2 && ring[0]->player != ring[1]->player;
                    if (!trade)
                        for (Agent* member : ring) accept(member);
                    break;
                }
                if (std::find(ring.begin(), ring.end(), next) != ring.end()) break;
                ring.push_back(next);
            }
        }
        for (auto it = target.begin(); it != target.end();)
            it = going.count(it->first) ? std::next(it) : target.erase(it);
        for (Agent* agent : order) {
            auto it = target.find(agent);
            if (it == target.end()) continue;
            orders[agent->player].moves.push_back({agent->area, it->second});
            agent->area = it->second;
        }
    }

    const MapFacts& facts_;
    const MoveGraph& graph_;
    const MasterState& last_;
    const std::array<int, kPowers + 1> homes_;
    std::array<std::set<int>, kPowers + 1> gains_;
    std::vector<Agent> agents_;
    std::vector<Build> builds_;
    QString fault_;
    // The turn being planned.
    const MasterState* now_ = nullptr;
    int left_ = 0;                              // moves left, this turn's included
    std::array<bool, qm::kAreaSlots> taken_{};  // built on this turn
    std::array<int, kPowers + 1> roomFor_{};    // a site to be cleared for a build
    std::map<std::tuple<int, int, int>, std::vector<int>> distances_;
};

}  // namespace sample
