// When the game's next tick is due. Ticks keep to a fixed schedule, so late ones do not add
// up, but the next never comes sooner than 95% of the period after this one, however late this
// one was: after a stall the snake moves on at its own pace rather than in a burst.
#pragma once

#include <algorithm>
#include <chrono>

namespace snake {

struct NextTick {
    std::chrono::steady_clock::time_point due;
    std::chrono::milliseconds delay;  // from now until `due`, rounded up: never early
};

// The tick after the one that was due at `due` and runs at `now`.
constexpr NextTick ScheduleNextTick(std::chrono::steady_clock::time_point now,
                                    std::chrono::steady_clock::time_point due,
                                    std::chrono::milliseconds period) {
    const auto next = std::max(due + period, now + period * 95 / 100);
    return {next, std::chrono::ceil<std::chrono::milliseconds>(next - now)};
}

}  // namespace snake
