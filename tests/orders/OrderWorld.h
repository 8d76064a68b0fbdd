#pragma once
// A small hand-made world for the order rule tests: player 3 to move among six,
// every relation neutral; each test sets up the areas it needs.

#include "map/MapState.h"
#include "orders/OrderContext.h"
#include "orders/OrderHistory.h"
#include "orders/SpyTargets.h"
#include "state/Interaction.h"
#include "state/RefreshDisplay.h"
#include "support/FakePort.h"
#include "support/GameAndPort.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm::test {

inline constexpr std::int16_t kMe = 3;

// The parts of a run the order rules work on, named as in Session.
struct OrderParts : GameAndPort {
    using GameAndPort::GameAndPort;
    OrderContext orders() { return {game, interaction, map, port}; }

    Interaction interaction;
    SpyTargets spies;
    OrderHistory history;
    MapState map;
};

class OrderWorld : public ::testing::Test {
protected:
    OrderWorld() {
        game().CurrentPlayer = kMe, game().PlayerCount = 6, game().CommandCount = 2;
        for (int p = 0; p <= 6; ++p) {
            game().player(p).ShortName = QStringLiteral("P%1").arg(p);
            game().player(p).Relation.fill(QLatin1Char('N'));
        }
    }

    GameState& game() { return session.game; }
    AreaRecord& area(int n) { return session.game.area(n); }
    std::int16_t& freeSupply() { return session.game.totals.FreeSupply; }
    QString& mapMode() { return session.interaction.MapMode; }

    void Area(int n, std::int16_t type, std::int16_t owner = kMe, std::int16_t supply = 0) {
        area(n).AreaType = type, area(n).Owner = owner, area(n).Supply = supply;
    }
    void Unit(int n, std::int16_t type, std::int16_t owner = kMe) {
        area(n).UnitType = type, area(n).UnitOwner = owner;
    }
    void Order(int n, const QString& code, std::int16_t p1 = 0, std::int16_t p2 = 0) {
        area(n).Command = code, area(n).Parm1 = p1, area(n).Parm2 = p2;
    }
    // Selects area `from` with `mode` armed ("": none).
    void Arm(int from, const char* mode) {
        session.interaction.SelectedArea = static_cast<std::int16_t>(from), mapMode() = mode;
    }
    // Puts b into a's first free neighbour slot.
    void AddNeighbour(int a, int b) {
        auto& list = area(a).Neighbours;
        *std::find(list.begin() + 1, list.end(), 0) = static_cast<std::int16_t>(b);
    }
    void Link(int a, int b) { AddNeighbour(a, b), AddNeighbour(b, a); }
    void Relation(int a, int b, char letter) {
        game().player(a).Relation[static_cast<std::size_t>(b)] = QLatin1Char(letter);
    }

    static std::vector<Message> Messages(std::initializer_list<Message> list) { return list; }
    void ExpectOnly(const QString& text, MessageIcon icon) {
        EXPECT_EQ(port.messages, Messages({{text, icon}}));
    }
    // Runs a refused order: only `text` is shown, and area n's order, the supply
    // balance, the map mode and the grid stay as they were.
    template <class Op>
    void ExpectRefused(int n, const QString& text, Op op, MessageIcon icon = MessageIcon::Stop) {
        port.messages.clear();
        const AreaRecord before = area(n);
        const std::int16_t supply = freeSupply();
        op();
        ExpectOnly(text, icon);
        EXPECT_EQ(std::pair(area(n).Command, area(n).Parm1),
                  std::pair(before.Command, before.Parm1));
        EXPECT_EQ(freeSupply(), supply);
        EXPECT_EQ(mapMode(), "");
        EXPECT_EQ(port.cell(GridId::Area, n, kColCommand), "<unset>");
    }

    FakePort port;
    OrderParts session{port};
};

}  // namespace qm::test
