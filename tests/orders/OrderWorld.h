#pragma once
// A small hand-made world for the order rule tests: player 3 to move, five
// players, areas set up one by one by each test.

#include "state/Session.h"
#include "support/FakePort.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace qm::test {

inline constexpr std::int16_t kMe = 3;

class OrderWorld : public ::testing::Test {
protected:
    OrderWorld() {
        game().CurrentPlayer = kMe;
        game().PlayerCount = 6;
        game().CommandCount = 2;
        for (int p = 0; p <= 6; ++p) {
            game().player(p).ShortName = QStringLiteral("P%1").arg(p);
            game().player(p).PlayerName = QStringLiteral("Player %1").arg(p);
            for (int q = 0; q <= 6; ++q)
                game().player(p).Relation[static_cast<std::size_t>(q)] = 'N';
        }
    }

    GameState& game() { return session.game; }
    AreaRecord& area(int n) { return session.game.area(n); }
    std::int16_t& freeSupply() { return session.game.totals.FreeSupply; }
    QString& mapMode() { return session.interaction.MapMode; }

    /// An area with its terrain, owner and supply centre.
    AreaRecord& Area(int n, std::int16_t type, std::int16_t owner = kMe, std::int16_t supply = 0) {
        AreaRecord& a = area(n);
        a.AreaType = type;
        a.Owner = owner;
        a.Supply = supply;
        return a;
    }

    void Unit(int n, std::int16_t type, std::int16_t owner = kMe) {
        area(n).UnitType = type;
        area(n).UnitOwner = owner;
    }

    /// Makes a and b neighbours of each other in their first free slots.
    void Link(int a, int b) {
        AddNeighbour(a, b);
        AddNeighbour(b, a);
    }

    void AddNeighbour(int a, int b) {
        auto& list = area(a).Neighbours;
        for (int i = 1; i < kNeighbourSlots; ++i) {
            if (list[static_cast<std::size_t>(i)] == 0) {
                list[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(b);
                return;
            }
        }
        FAIL() << "no free neighbour slot in " << a;
    }

    /// Relation letter of player a toward b.
    void Relation(int a, int b, char letter) {
        game().player(a).Relation[static_cast<std::size_t>(b)] = QLatin1Char(letter);
    }
    void Allies(int a, int b) {
        Relation(a, b, 'A');
        Relation(b, a, 'A');
    }

    void Select(int n) { session.interaction.SelectedArea = static_cast<std::int16_t>(n); }

    void Order(int n, const QString& code, std::int16_t p1 = 0, std::int16_t p2 = 0) {
        area(n).Command = code;
        area(n).Parm1 = p1;
        area(n).Parm2 = p2;
    }

    std::vector<Message> Messages(std::initializer_list<Message> list) { return list; }

    FakePort port;
    Session session{port};
};

}  // namespace qm::test
