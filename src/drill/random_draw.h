// RandomDraw: the pseudo-random draw of start-up, uniform in [0, 1), seeded from the clock; tests
// pass a fixed one.
// SPDX-License-Identifier: MIT
#ifndef VARNEL_DRILL_RANDOM_DRAW_H
#define VARNEL_DRILL_RANDOM_DRAW_H

#include <cstdint>
#include <random>

// The pseudo-random draw of start-up: seeded from the clock, uniform in [0, 1).
// Tests pass a fixed draw instead.
class RandomDraw {
public:
    virtual ~RandomDraw() = default;
    // Seeds the generator from the system clock.
    virtual void randomize() = 0;
    // The next number, uniform in [0, 1); never 1.
    virtual double rnd() = 0;
};

class ClockRandomDraw : public RandomDraw {
public:
    void randomize() override;
    double rnd() override;

private:
    std::mt19937_64 m_generator;
};

#endif
