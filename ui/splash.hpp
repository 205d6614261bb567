#pragma once

#include <QTimer>
#include <QWidget>
#include <chrono>

class QLabel;

namespace ui {

class Panel3D;

// "Apropos", the first window: the program's name, version and icon, for two seconds or until
// clicked; then it gives way, once: it says so (gaveWay), the program shows its main window, and
// the splash closes. Like QSplashScreen, it knows nothing of the window that follows it.
class Apropos : public QWidget
{
    Q_OBJECT

public:
    explicit Apropos(QWidget *parent = nullptr);

    // Centres, captions and shows the splash, and starts its wait.
    void Form_Load();

    static constexpr std::chrono::milliseconds kWait {2000};

signals:
    // The main window is to show now; the splash closes as soon as the receivers return, so the
    // program never has no window.
    void gaveWay();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void giveWay();

    // Deliberate: a monotonic single-shot timer, not the time of day polled in a loop, so a wait
    // begun just before midnight or across a clock change still lasts two seconds. Tests find it
    // by its name, "wait".
    QTimer wait_;
    bool gone_ = false;
    Panel3D *SSPNL_Apropos_;
    QLabel *Picture1_, *LBL_Titre_, *LBL_Version_;
};

} // namespace ui
