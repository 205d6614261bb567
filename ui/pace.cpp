#include "pace.hpp"

#include <thread>
#include <utility>

namespace ui {

Pace::Pace(std::chrono::microseconds perStep, Now now, SleepUntil sleepUntil)
    : perStep_(perStep)
    , now_(std::move(now))
    , sleepUntil_(std::move(sleepUntil))
{ }

Pace::Clock::time_point Pace::steadyNow()
{
    return Clock::now();
}

void Pace::sleep(Clock::time_point until)
{
    std::this_thread::sleep_until(until);
}

void Pace::begin()
{
    start_ = now_();
    steps_ = 0;
}

void Pace::step()
{
    ++steps_;
    if (perStep_.count() > 0)
        sleepUntil_(start_ + steps_ * perStep_);
}

} // namespace ui
