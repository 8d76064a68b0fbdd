#pragma once
// The game and the window link of a run, for the tests of the layers below the
// session; the names are Session's, so a test reads the same on either.

#include "state/GameState.h"
#include "state/WindowPort.h"

namespace qm::test {

struct GameAndPort {
    explicit GameAndPort(WindowPort& windows) : port(windows) {}
    GameAndPort(const GameAndPort&) = delete;
    GameAndPort& operator=(const GameAndPort&) = delete;

    GameState game;
    WindowPort& port;
};

}  // namespace qm::test
