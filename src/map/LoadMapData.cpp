
#include "map/LoadMapData.h"

#include "io/FileNames.h"
#include "io/ItemReader.h"
#include "map/MapState.h"
#include "state/GameState.h"
#include "state/WindowPort.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace qm {

namespace {

// Ranges a map file may hold. Area types other than 1..3 are no-entry; the
// few spare values leave room for kinds of terrain not yet drawn.
constexpr int kMaxAreaType = 9;
constexpr int kMaxSupply = 99;

// Reads the items of one record and says in words what was wrong with the
// first bad one; `where` names the record ("area record 17"). The name is
// made only for an error: a board has over two thousand records.
template <typename Where>
class RecordReader {
public:
    RecordReader(ItemReader& in, Where where) : in_(in), where_(std::move(where)) {}

    std::optional<std::int16_t> Number(int low, int high) {
        ++item_;
        const std::optional<std::int16_t> value = in_.Number();
        if (!value) {
            Fail(DescribeItemError(in_.error()));
        } else if (*value < low || *value > high) {
            Fail(QStringLiteral("the value %1 is outside %2..%3").arg(*value).arg(low).arg(high));
            return std::nullopt;
        }
        return value;
    }

    /// A flag: 0 or -1.
    std::optional<std::int16_t> Flag() { return Number(-1, 0); }

    std::optional<QString> Text() {
        ++item_;
        std::optional<QString> text = in_.Text();
        if (!text) Fail(DescribeItemError(in_.error()));
        return text;
    }

    const QString& error() const { return error_; }

private:
    void Fail(const QString& what) {
        if (error_.isEmpty())
            error_ = QStringLiteral("%1, item %2: %3").arg(where_()).arg(item_).arg(what);
    }

    ItemReader& in_;
    Where where_;
    int item_ = 0;
    QString error_;
};

}  // namespace

QString ParseAreaData(const QByteArray& data, std::int16_t playerCount, AreaTableCopy& areas) {
    ItemReader in(data);
    for (int area = 1; area <= kLastArea; ++area) {
        RecordReader record(in, [area] { return QStringLiteral("area record %1").arg(area); });
        AreaRecord& target = areas[static_cast<std::size_t>(area)];
        const auto type = record.Number(0, kMaxAreaType);
        const auto supply = record.Number(0, kMaxSupply);
        std::array<std::int16_t, kNeighbourSlots> neighbours{};
        for (std::size_t slot = 1; slot < kNeighbourSlots; ++slot)
            neighbours[slot] = record.Number(0, kLastArea).value_or(0);
        const auto name = record.Text();
        if (!record.error().isEmpty()) return record.error();
        target.AreaType = *type;
        target.Supply = *supply;
        target.Neighbours = neighbours;
        target.Name = QString(*name).replace(QLatin1Char('_'), QLatin1Char(' '));
        target.HomeFlag = 0;
        target.MinCol = 999;
        target.MinRow = 999;
        target.MaxCol = 0;
        target.MaxRow = 0;
    }
    areas[kNeutralArea].Owner = 0;

    for (int home = 1; home <= playerCount - 1; ++home) {
        RecordReader record(in, [home] { return QStringLiteral("home record %1").arg(home); });
        const auto area = record.Number(1, kLastArea);
        record.Text();  // the home power's name; nothing uses it
        if (!record.error().isEmpty()) return record.error();
        areas[static_cast<std::size_t>(*area)].HomeFlag = -1;
    }
    return {};
}

QString ParseHexData(const QByteArray& data, HexGrid& grid, AreaTableCopy& areas) {
    ItemReader in(data);
    int number = 0;
    for (int column = 1; column <= kColumns; ++column) {
        for (int row = 1; row <= kRows; ++row) {
            ++number;
            RecordReader record(in, [number, column, row] {
                return QStringLiteral("cell record %1 (column %2, row %3)")
                    .arg(number)
                    .arg(column)
                    .arg(row);
            });
            record.Number(INT16_MIN, INT16_MAX);  // the column and row as written;
            record.Number(INT16_MIN, INT16_MAX);  // the place in the file decides
            HexCell cell;
            cell.Area = record.Number(0, kLastArea).value_or(0);
            for (std::size_t side = 1; side <= 6; ++side)
                cell.Border[side] = record.Number(0, 1).value_or(0);
            cell.ShowNumber = record.Flag().value_or(0);
            cell.ShowUnit = record.Flag().value_or(0);
            cell.ShowSupply = record.Flag().value_or(0);
            if (!record.error().isEmpty()) return record.error();
            grid.at(column, row) = cell;

            AreaRecord& box = areas[static_cast<std::size_t>(cell.Area)];
            box.MaxCol = std::max<std::int16_t>(box.MaxCol, static_cast<std::int16_t>(column));
            box.MinCol = std::min<std::int16_t>(box.MinCol, static_cast<std::int16_t>(column));
            box.MaxRow = std::max<std::int16_t>(box.MaxRow, static_cast<std::int16_t>(row));
            box.MinRow = std::min<std::int16_t>(box.MinRow, static_cast<std::int16_t>(row));
        }
    }
    return {};
}

namespace {

struct FoundFile {
    QString path;
    std::optional<QByteArray> data;
};

// The file from the first folder that holds it.
std::optional<FoundFile> FindMapFile(const QStringList& folders, const QString& name) {
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        const QString path = FindFileNoCase(folder, name);
        if (QFileInfo(path).isFile()) return FoundFile{path, ReadWholeFile(path)};
    }
    return std::nullopt;
}

void Complain(WindowPort& port, const QString& text) {
    port.ShowMessage(text + QStringLiteral(" The map cannot be shown."), MessageIcon::Stop);
}

QString Damaged(const QString& fileName, const QString& error) {
    return QStringLiteral("The map file %1 is damaged at %2.").arg(fileName, error);
}

// Opens one map file; complains and answers nothing when it cannot be read.
std::optional<QByteArray> OpenMapFile(WindowPort& port, const QStringList& folders,
                                      const QString& name) {
    const std::optional<FoundFile> found = FindMapFile(folders, name);
    if (!found) {
        QStringList searched;
        for (const QString& folder : folders)
            if (!folder.isEmpty()) searched << folder;
        Complain(port, QStringLiteral("The map file %1 was not found in %2.")
                           .arg(name, searched.join(QStringLiteral(" or "))));
        return std::nullopt;
    }
    if (!found->data) {
        Complain(port, QStringLiteral("The map file %1 could not be read.").arg(found->path));
        return std::nullopt;
    }
    return found->data;
}

}  // namespace

QString InstalledDataDir() { return QStringLiteral(ZEZ_INSTALLED_DATA_DIR); }

bool LoadMapData(GameState& game, MapState& map, WindowPort& port) {
    QStringList folders = {game.ProgramDir};
    // An installed tree moved or installed under another prefix keeps its
    // data at the same place relative to the program.
    if (!game.ProgramDir.isEmpty())
        folders << QDir::cleanPath(game.ProgramDir + QStringLiteral(ZEZ_RELATIVE_DATA_DIR)) +
                       QLatin1Char('/');
    if (!folders.contains(InstalledDataDir())) folders << InstalledDataDir();
    return LoadMapData(game, map, port, folders);
}

bool LoadMapData(GameState& game, MapState& map, WindowPort& port, const QStringList& folders) {
    const QString areaName = QString::fromLatin1(kAreaFileName);
    const QString hexName = QString::fromLatin1(kHexFileName);

    const std::optional<QByteArray> areaData = OpenMapFile(port, folders, areaName);
    if (!areaData) return false;
    AreaTableCopy areas = game.AreaTable;
    QString error = ParseAreaData(*areaData, game.PlayerCount, areas);
    if (!error.isEmpty()) {
        Complain(port, Damaged(areaName, error));
        return false;
    }

    const std::optional<QByteArray> hexData = OpenMapFile(port, folders, hexName);
    if (!hexData) return false;
    HexGrid grid;
    error = ParseHexData(*hexData, grid, areas);
    if (!error.isEmpty()) {
        Complain(port, Damaged(hexName, error));
        return false;
    }

    game.AreaTable = std::move(areas);
    map.hexes = grid;
    map.MapShown = true;
    return true;
}

}  // namespace qm
