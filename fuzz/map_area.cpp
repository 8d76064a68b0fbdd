// map-area.dat: every area filled with values inside the tables, or an error.
#include "FuzzSupport.h"
#include "map/LoadMapData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    static AreaTableCopy areas{};
    // The first byte picks the player count the home section is read with.
    const std::int16_t players = size > 0 ? static_cast<std::int16_t>(data[0] % kPlayerSlots) : 0;
    areas = {};
    if (!ParseAreaData(fuzz::Bytes(data, size), players, areas).isEmpty()) return 0;
    for (int area = 1; area <= kLastArea; ++area) {
        for (std::int16_t neighbour : areas[static_cast<std::size_t>(area)].Neighbours)
            fuzz::Require(neighbour >= 0 && neighbour <= kLastArea, "neighbours in the table");
    }
    return 0;
}
