#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace ui {

class Inventory;
class LineShape;
class Pace;

// The main window's hourglass, for as long as a verification runs.
class BusyPointer
{
public:
    explicit BusyPointer(QWidget *window);
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    QWidget *window_;
};

// The echo request of the first tab: two computers, the request line and "Ping" travelling to
// the second one, then the reply line and its label coming back, all the way when both networks
// are one, half way otherwise. Each move is painted at once, at the pace's rate.
class EchoScene : public QObject
{
    Q_OBJECT

public:
    EchoScene(Inventory &inventory, QWidget *frame1, Pace &pace);

    // Hides the scene and puts the labels back where they start.
    void Reinit_Ping();
    // The scene from its start, up to "Ping" beside the second computer.
    void playOutgoing();
    // The reply, up to its last text.
    void playReturn(bool sameNetwork);
    // Tells a screen reader the steps the last run showed: "Echo Request. Echo Reply".
    // Deliberate: not as they show, nor before the verdict's box. The scene holds the event loop,
    // and Orca, which waits 0.8 s for an answer, dropped a notification shown meanwhile; one shown
    // just before the box went with the box's own flood of events on a busy machine.
    void announceSteps();

private:
    void moveNow(QWidget *widget, double leftTwips);

    Pace &pace_;
    QLabel *PICT_PC1_ = nullptr, *PICT_PC2_ = nullptr;
    LineShape *LINE_Ping_ = nullptr, *LINE_Retour_ = nullptr;
    QLabel *LBL_Ping_ = nullptr, *LBL_echo_ = nullptr;
};

} // namespace ui
