#include "echo_scene.hpp"

#include "announcer.hpp"
#include "inventory.hpp"
#include "pace.hpp"

#include <cmath>

namespace ui {
namespace {

// Where the scene starts and how far the lines and labels travel, in twips.
constexpr int kStep = 20;
constexpr double kPingLeft = 600;
constexpr double kEchoLeft = 5520;

} // namespace

BusyPointer::BusyPointer(QWidget *window)
    : window_(window)
{
    window_->setCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer()
{
    window_->unsetCursor();
}

EchoScene::EchoScene(Inventory &inv, QWidget *frame1, Pace &pace)
    : QObject(frame1)
    , pace_(pace)
{
    const WidgetLook hidden {.hidden = true};
    PICT_PC1_ = inv.picture(frame1, "PICT_PC1", {120, 4440, 480, 480}, 34, hidden);
    PICT_PC2_ = inv.picture(frame1, "PICT_PC2", {6840, 4440, 480, 480}, 33, hidden);
    LINE_Ping_ = inv.line(frame1, "LINE_Ping", {600, 4755}, {1005, 4755}, Qt::black, 2, true);
    LINE_Retour_ = inv.line(frame1, "LINE_Retour", {6420, 4755}, {6825, 4755}, Qt::black, 2, true);
    LBL_Ping_ = inv.label(frame1, "LBL_Ping", {585, 4770, 345, 210}, 74, tr("Ping"),
        {.font = classicFont(8.25, true, Face::Serif), .text = QColor(255, 0, 0), .hidden = true});
    LBL_echo_ = inv.label(frame1, "LBL_echo", {5505, 4545, 1395, 195}, 73, tr("Request TimeOut"),
        {.font = classicFont(8.25, true, Face::Serif),
            .text = QColor(0, 0, 255),
            .back = kGrey,
            .hidden = true});
}

void EchoScene::Reinit_Ping()
{
    PICT_PC1_->hide();
    PICT_PC2_->hide();
    LBL_echo_->hide();
    LBL_echo_->move(px(kEchoLeft), LBL_echo_->y());
    LINE_Ping_->hide();
    LINE_Retour_->hide();
    LBL_Ping_->move(px(kPingLeft), LBL_Ping_->y());
    LBL_Ping_->hide();
}

void EchoScene::moveNow(QWidget *widget, double leftTwips)
{
    const QRect before = widget->geometry();
    widget->move(px(leftTwips), widget->y());
    widget->parentWidget()->repaint(before.united(widget->geometry()));
}

void EchoScene::playOutgoing()
{
    // The scene from its start: both computers, the request line and "Ping" at the first one.
    Reinit_Ping();
    PICT_PC1_->show();
    PICT_PC2_->show();
    LINE_Ping_->show();
    LBL_Ping_->show();
    LINE_Ping_->setColor(QColor(255, 0, 0));
    // The computers appear before anything moves. The container's repaint leaves out the opaque
    // pictures just shown while no event is processed, so each paints itself.
    LINE_Ping_->parentWidget()->repaint();
    PICT_PC1_->repaint();
    PICT_PC2_->repaint();

    pace_.begin();

    for (int x = 0; x <= 6820; x += kStep) {
        LINE_Ping_->setX2(x);
        LINE_Ping_->repaintNow();
        pace_.step();
    }
    for (int x = qRound(twips(LBL_Ping_->x())); x <= 6500; x += kStep) {
        moveNow(LBL_Ping_, x);
        pace_.step();
    }
}

void EchoScene::playReturn(bool sameNetwork)
{
    // The reply reaches the first computer only when both are on one network.
    const int lineEnd = sameNetwork ? 600 : 2000;
    const int labelEnd = sameNetwork ? 580 : 2000;
    LINE_Retour_->show();
    LINE_Retour_->setColor(QColor(0, 0, 255));
    for (int x = static_cast<int>(std::lround(LINE_Retour_->x2())); x >= lineEnd; x -= kStep) {
        LINE_Retour_->setX1(x);
        LINE_Retour_->repaintNow();
        LINE_Ping_->setX2(x);
        LINE_Ping_->repaintNow();
        pace_.step();
    }
    LBL_echo_->setText(tr("Echo Reply"));
    LBL_echo_->show();
    for (int x = 5500; x >= labelEnd; x -= kStep) {
        moveNow(LBL_echo_, x);
        pace_.step();
    }
    if (!sameNetwork)
        LBL_echo_->setText(tr("Request TimeOut"));
}

void EchoScene::announceSteps()
{
    announce(LBL_echo_, tr("Echo Request") + QStringLiteral(". ") + LBL_echo_->text());
}

} // namespace ui
