#pragma once
// Builds the text of a player report for tests.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace qm::test {

struct ReportArea {
    int area, owner, unitOwner, unitType;
};

struct ReportText {
    QStringList preamble = {"\"Zez game master\"", "Turn report"};
    QString gameCode = "QM012";
    QString year = "1881";
    QString turn = "2";
    QString playerCount = "4";
    // ShortName, PlayerName, relations for players 0..playerCount.
    std::vector<QStringList> players = {
        {"NEUT", "Neutral", "NNNNN"}, {"GRMN", "Germany", "NAWNN"},  {"FRNC", "France", "AAWNN"},
        {"ENGL", "England", "WWANN"}, {"LAST", "Observer", "XXXXX"},
    };
    std::vector<ReportArea> areas = {{5, 3, 3, 1}, {12, 2, 3, 2}, {60, 3, 3, 3}, {7, 1, 0, 0}};

    QByteArray Build() const {
        QStringList lines = preamble;
        lines << gameCode + ",3,\"Player three, 12 Rue de Paris\"";
        lines << year + ',' + turn;
        lines << "\"Players\"," + playerCount;
        for (const QStringList& p : players) lines << p.join(',');
        lines << "Number of Areas =," + QString::number(areas.size());
        for (const ReportArea& a : areas)
            lines << QString::asprintf("%d,%d,%d,%d", a.area, a.owner, a.unitOwner, a.unitType);
        lines << "END OF REPORT";
        return (lines.join("\r\n") + "\r\n").toLatin1();
    }
};

}  // namespace qm::test
