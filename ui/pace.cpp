#include "pace.hpp"

#include <thread>

namespace ui {

void Pace::begin()
{
    start_ = std::chrono::steady_clock::now();
    steps_ = 0;
}

void Pace::step()
{
    ++steps_;
    if (perStep_.count() > 0)
        std::this_thread::sleep_until(start_ + steps_ * perStep_);
}

} // namespace ui
