// map-hex.dat: every cell inside the tables, or an error.
#include "FuzzSupport.h"
#include "map/LoadMapData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    static AreaTableCopy areas{};
    static HexGrid grid;
    areas = {};
    grid = {};
    if (!ParseHexData(fuzz::Bytes(data, size), grid, areas).isEmpty()) return 0;
    for (int column = 1; column <= kColumns; ++column)
        for (int row = 1; row <= kRows; ++row)
            fuzz::Require(IsAreaNumber(grid.at(column, row).Area) || grid.at(column, row).Area == 0,
                          "cell areas in the table");
    return 0;
}
