#include "calc/modRahukal.h"

namespace horavela {

void SetRahukalResult(CalculationState& state) {
    if (state.DayOfWeek < 1 || state.DayOfWeek > 7) {
        state.RahukalResult.clear();
        return;
    }
    const auto eighth = RahukalPart[static_cast<std::size_t>(state.DayOfWeek - 1)].eighth;
    state.RahukalResult =
        state.PartFlags[static_cast<std::size_t>(eighth)] ? InRahukalText : NotInRahukalText;
}

} // namespace horavela
