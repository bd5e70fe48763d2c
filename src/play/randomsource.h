// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

// The one source of chance. Every draw of the game goes through it, so tests can script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called where the rules reseed from the time of day.
    virtual void reseed() = 0;
    // Uniform in [0, 1).
    virtual double uniform() = 0;
};

// The game's generator. A reseed mixes the time of day into the state rather than replacing
// it, so two reseeds within one tick of the clock still give different draws.
class MixingRandomSource final : public RandomSource {
public:
    using TimeOfDay = std::function<double()>; // seconds since midnight, with fractions

    // Seeded from the clock and mixing it in at every reseed.
    explicit MixingRandomSource(TimeOfDay timeOfDay);
    // Seeded once; reseeds then read no clock, so a run is reproducible.
    explicit MixingRandomSource(std::uint64_t seed);

    // The time of day of the system clock, for the game and the simulator.
    static double systemTimeOfDay();

    void reseed() override;
    double uniform() override;

private:
    std::uint64_t nextBits();

    std::uint64_t m_state = 0;
    TimeOfDay m_timeOfDay;
};
