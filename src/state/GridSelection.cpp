#include "state/GridSelection.h"

#include "state/Interaction.h"
#include "state/Limits.h"

namespace qm {

void GridRowCurrent(Interaction& interaction, int row) {
    if (IsAreaNumber(row)) interaction.SelectedArea = static_cast<std::int16_t>(row);
}

void GridRowDoubleClicked(Interaction& interaction, int row) {
    if (interaction.MapMode.isEmpty()) GridRowCurrent(interaction, row);
}

}  // namespace qm
