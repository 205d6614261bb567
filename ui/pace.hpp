#pragma once

#include <chrono>

namespace ui {

// Paces an animation against the clock: step n waits until n steps' worth of time has passed
// since begin(), so a slow repaint is caught up rather than stretching the whole animation.
// A zero interval never waits (tests).
class Pace
{
public:
    explicit Pace(std::chrono::microseconds perStep = {})
        : perStep_(perStep)
    { }

    void begin();
    void step();

    // About 1.5 s for the longest verification, which moves its widgets 1,200 times.
    static constexpr std::chrono::microseconds kVerification {1'250};

private:
    std::chrono::microseconds perStep_;
    std::chrono::steady_clock::time_point start_;
    long steps_ = 0;
};

} // namespace ui
