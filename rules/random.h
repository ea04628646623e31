// Where the game's chance comes from. The game only asks for single-precision values
// in [0, 1); tests hand it a script, the shipped game a generator seeded from the clock.
#pragma once

#include <cstdint>
#include <random>

namespace snake {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float NextSingle() = 0;  // uniform in [0, 1)
    virtual void Randomize() {}      // reseed from the clock, where that means anything
};

// A whole number from 1 to n with equal chances, from one value of `source`.
// A value outside [0, 1) is held to the nearest end, so the result is always in 1..n.
std::int16_t RandomDraw(RandomSource& source, std::int16_t n);

class ClockRandom final : public RandomSource {
  public:
    float NextSingle() override;
    void Randomize() override;

  private:
    std::mt19937 engine_;
    std::uniform_real_distribution<float> unit_{0.0F, 1.0F};
};

}  // namespace snake
