#include "platform/RandomSource.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace horavela {

double drawUniform() {
    static std::mt19937_64 generator(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    // The top 53 bits as a fraction: exactly representable and always below 1.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

} // namespace horavela
