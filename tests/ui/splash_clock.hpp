#pragma once

#include "ui/splash.hpp"

#include <QTimer>
#include <chrono>

namespace test {

// The tests' one clock for the splash: from its making, the splash's wait runs unheard, until
// end() ends it at once.
class SplashClock
{
public:
    explicit SplashClock(ui::Apropos &splash)
        : timer_(*splash.findChild<QTimer *>("wait"))
    {
        timer_.blockSignals(true);
    }

    // How long the splash waits, once its wait has started; zero before.
    [[nodiscard]] std::chrono::milliseconds asked() const
    {
        return timer_.isActive() ? timer_.intervalAsDuration() : std::chrono::milliseconds {};
    }
    void end()
    {
        timer_.blockSignals(false);
        QMetaObject::invokeMethod(&timer_, "timeout");
    }

private:
    QTimer &timer_;
};

} // namespace test
