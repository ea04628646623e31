#include "random.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace snake {

std::int16_t RandomDraw(RandomSource& source, std::int16_t n) {
    double r = static_cast<double>(source.NextSingle());
    if (!(r >= 0.0)) {
        r = 0.0;  // negative or not a number
    }
    // floor(r * n) + 1; some standard float distributions can return exactly 1.0,
    // which must not become n + 1.
    const double draw = std::floor(r * n) + 1.0;
    return static_cast<std::int16_t>(std::clamp(draw, 1.0, static_cast<double>(n)));
}

float ClockRandom::NextSingle() {
    return unit_(engine_);
}

void ClockRandom::Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(tick)};
    engine_.seed(seed);
}

}  // namespace snake
