#pragma once
// What every harness shares: the input as bytes, a port that stays silent,
// and a check that stops the run loudly when a property does not hold.

#include "state/ConsolePort.h"

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

}  // namespace qm::fuzz
