#include "centring.hpp"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {
namespace {

void centre(QWidget &window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window.frameGeometry().size();
    const float left
        = static_cast<float>(screen.width()) / 2 - static_cast<float>(outer.width()) / 2;
    const float top
        = static_cast<float>(screen.height()) / 2 - static_cast<float>(outer.height()) / 2;
    // move() places the outer top-left corner, frame included. A window larger than the screen
    // keeps that corner on what the desktop leaves free: its title bar, tabs and buttons stay
    // within reach, and only its far edges fall off.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(std::max(screen.x() + qRound(left), available.x()),
        std::max(screen.y() + qRound(top), available.y()));
}

// Watches a window until a window manager has framed it, then centres it again and goes. The
// frame arrives with the window manager's first move of the window, before the window is drawn
// in its frame for long.
class FrameWatch : public QObject
{
public:
    explicit FrameWatch(QWidget &window)
        : QObject(&window)
        , window_(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window_ && event->type() == QEvent::Move
            && window_.frameGeometry().size() != window_.size()) {
            window_.removeEventFilter(this);
            centre(window_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget &window_;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    centre(window);
    new FrameWatch(window);
}

} // namespace ui
