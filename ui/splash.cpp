#include "splash.hpp"

#include "centring.hpp"
#include "identity.hpp"
#include "inventory.hpp"

#include <QMouseEvent>

namespace ui {
namespace {

QString credit()
{
    return Apropos::tr("Calculs d'adressage IPv4\npour la classe de réseaux");
}

} // namespace

Apropos::Apropos(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen)
    , wait_(this)
{
    setObjectName("Apropos");
    wait_.setObjectName("wait");
    wait_.setSingleShot(true);
    wait_.setTimerType(Qt::PreciseTimer);
    wait_.setInterval(kWait);
    connect(&wait_, &QTimer::timeout, this, &Apropos::giveWay);
    setWindowTitle(tr("À propos de %1").arg(QStringLiteral("Resomar")));
    setWindowIcon(programIcon());
    setFixedSize(Twips {0, 0, 2895, 1455}.toPixels().size());

    Inventory inv;
    SSPNL_Apropos_
        = inv.panel(this, "SSPNL_Apropos", {0, 0, 2895, 1455}, Inventory::kNoFocus, QString());
    Picture1_ = inv.picture(SSPNL_Apropos_, "Picture1", {240, 240, 480, 480}, Inventory::kNoFocus);
    LBL_Titre_ = inv.label(SSPNL_Apropos_, "LBL_Titre", {840, 360, 1695, 255}, Inventory::kNoFocus,
        tr("Titre"), {.font = classicFont(12, true), .align = Qt::AlignHCenter});
    LBL_Version_
        = inv.label(SSPNL_Apropos_, "LBL_Version", {120, 840, 2655, 495}, Inventory::kNoFocus,
            credit(), {.font = classicFont(9.75, true), .align = Qt::AlignHCenter, .wrap = true});
    for (QWidget *widget :
        std::initializer_list<QWidget *> {SSPNL_Apropos_, Picture1_, LBL_Titre_, LBL_Version_})
        widget->installEventFilter(this);
}

void Apropos::Form_Load()
{
    centreOnScreen(*this);
    LBL_Titre_->setText(programCaption());
    LBL_Version_->setText(credit());
    show();
    wait_.start();
}

bool Apropos::eventFilter(QObject *watched, QEvent *event)
{
    // Only the splash's own widgets are watched: a click on any of them gives way.
    if (event->type() == QEvent::MouseButtonRelease) {
        giveWay();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Apropos::giveWay()
{
    // Whichever comes first, the click or the end of the wait, does it; the other finds it done.
    if (gone_)
        return;
    gone_ = true;
    wait_.stop();
    emit gaveWay();
    close();
}

} // namespace ui
