#pragma once

#include <QWidget>
#include <chrono>
#include <functional>

class QLabel;

namespace ui {

class Panel3D;

// Starts the splash's wait and calls back once it is over. The real one is a single-shot timer
// on a monotonic clock; tests end the wait by hand.
class SplashClock
{
public:
    virtual ~SplashClock() = default;
    virtual void wait(
        std::chrono::milliseconds duration, QObject *context, std::function<void()> done)
        = 0;
};

class TimerSplashClock final : public SplashClock
{
public:
    void wait(
        std::chrono::milliseconds duration, QObject *context, std::function<void()> done) override;
};

// "Apropos", the first window: the program's name, version and icon, for two seconds or until
// clicked; then it gives way to the main window, created on first use and shown once.
class Apropos : public QWidget
{
    Q_OBJECT

public:
    using MainWindowFactory = std::function<QWidget *()>;

    Apropos(SplashClock &clock, MainWindowFactory createMainWindow, QWidget *parent = nullptr);

    // Centres, captions and shows the splash, and starts its wait.
    void Form_Load();

    void LBL_Titre_Click() { giveWay(); }
    void LBL_Version_Click() { giveWay(); }
    void Picture1_Click() { giveWay(); }
    void SSPNL_Apropos_Click() { giveWay(); }

    static constexpr std::chrono::milliseconds kWait {2000};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveWay();

    SplashClock &clock_;
    MainWindowFactory createMainWindow_;
    QWidget *mainWindow_ = nullptr;
    Panel3D *SSPNL_Apropos_;
    QLabel *Picture1_, *LBL_Titre_, *LBL_Version_;
};

} // namespace ui
