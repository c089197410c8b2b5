// The program's random numbers: one generator, seeded from the clock once.
#pragma once

namespace horavela {

// A number uniform in [0, 1). The first call seeds the generator.
double drawUniform();

} // namespace horavela
