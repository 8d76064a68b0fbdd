#pragma once
// What every harness shares: the input as bytes, a port that stays silent,
// and a check that stops the run loudly when a property does not hold.

#include "files/ReportReader.h"
#include "io/FileNames.h"
#include "state/ConsolePort.h"
#include "state/GameState.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace qm::fuzz {

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline ConsolePort& SilentPort() {
    static ConsolePort port({}, true);
    return port;
}

inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

/// The sample game's mid-game report of player 2, read once: the turn that
/// orders and merges are read over.
inline GameState LoadedTurn() {
    GameState game;
    const auto report = ReadWholeFile(QStringLiteral(ZEZ_DATA_DIR "/sample/1882-3/plyrdata.2"));
    Require(report && TakeReport(game, SilentPort(), *report), "the sample report is read");
    return game;
}

}  // namespace qm::fuzz
