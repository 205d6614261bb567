#pragma once

#include <chrono>
#include <functional>

namespace ui {

// Paces an animation against the clock: step n waits until n steps' worth of time has passed
// since begin(), so a slow repaint is caught up rather than stretching the whole animation.
// A zero interval never waits (tests).
class Pace
{
public:
    using Clock = std::chrono::steady_clock;
    // The clock read at the start and the wait until a step is due: the steady clock and a
    // sleep of the thread, unless a test records the steps instead.
    using Now = std::function<Clock::time_point()>;
    using SleepUntil = std::function<void(Clock::time_point)>;

    explicit Pace(std::chrono::microseconds perStep = {}, Now now = &steadyNow,
        SleepUntil sleepUntil = &sleep);

    void begin();
    void step();

    // About 1.5 s for the longest verification, which moves its widgets 1,200 times.
    static constexpr std::chrono::microseconds kVerification {1'250};

private:
    static Clock::time_point steadyNow();
    static void sleep(Clock::time_point until);

    std::chrono::microseconds perStep_;
    Now now_;
    SleepUntil sleepUntil_;
    Clock::time_point start_;
    long steps_ = 0;
};

} // namespace ui
