#pragma once
// The program's version as the windows show it. The number itself is the
// project's VERSION in the top CMakeLists.txt, handed in by the build.

#include <QString>

namespace qm {

/// "V" + major + "." + minor in two digits, e.g. "V1.06".
inline QString VersionText() {
    return QStringLiteral("V%1.%2")
        .arg(ZEZ_VERSION_MAJOR)
        .arg(ZEZ_VERSION_MINOR, 2, 10, QLatin1Char('0'));
}

/// major + "." + minor, as the package and `zez-qm --version` give it, e.g. "1.6".
inline QString VersionNumber() {
    return QStringLiteral("%1.%2").arg(ZEZ_VERSION_MAJOR).arg(ZEZ_VERSION_MINOR);
}

/// The main window's caption before a report is opened.
inline QString DesignCaption() {
    return QStringLiteral("Zez-QM ") + VersionText() + QStringLiteral(" 32-bit");
}

}  // namespace qm
