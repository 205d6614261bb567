#include "main_window.hpp"

#include "access_keys.hpp"
#include "centring.hpp"
#include "identity.hpp"
#include "ui/widgets/tab_control.hpp"

#include <QPushButton>

namespace ui {

MainWindow::MainWindow(MessageBoxes &messages, Pace pace, QWidget *parent)
    : QWidget(parent)
    , pace_(pace)
{
    setObjectName("Resomar");
    // Fixed in size, so no maximize button: a window manager reads the buttons from these hints,
    // not from the size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());
    setFixedSize(Twips {0, 0, 7740, 6420}.toPixels().size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kGrey);
    setPalette(palette);
    setAutoFillBackground(true);

    SSpanel_ = new TabControl(3, this);
    SSpanel_->setObjectName("SSpanel");
    SSpanel_->setGeometry(Twips {0, 0, 7755, 6450}.toPixels());
    inventory_.addFocus(0, SSpanel_);
    sameTab_ = new SameNetworkTab(inventory_, SSpanel_->canvas(0), messages, pace_);
    maskTab_ = new MaskTab(inventory_, SSpanel_->canvas(1), messages);
    sumTab_ = new BinarySumTab(inventory_, SSpanel_->canvas(2), messages);
    inventory_.chainFocus();
    new TabAccessKeys(SSpanel_);
    SSpanel_->setCurrentIndex(1);

    connect(SSpanel_, &QTabWidget::currentChanged, maskTab_, &MaskTab::SSpanel_Click);
    connect(maskTab_->quitButton(), &QPushButton::clicked, this, &MainWindow::CMD_Quitter_Click);
    connect(sumTab_->quitButton(), &QPushButton::clicked, this, &MainWindow::CMD1_Quitter_Click);
    connect(sameTab_->quitButton(), &QPushButton::clicked, this, &MainWindow::CMD2_Quitter_Click);
    Form_Load();
}

void MainWindow::Form_Load()
{
    setWindowTitle(programCaption());
    centreOnScreen(*this);
    SSpanel_->setTabText(0, tr("&Réseaux Identiques ?"));
    SSpanel_->setTabText(1, tr("&Calcul d'un Masque IP"));
    SSpanel_->setTabText(2, tr("&Somme Binaire"));
}

void MainWindow::CMD_Quitter_Click()
{
    close();
}
void MainWindow::CMD1_Quitter_Click()
{
    close();
}
void MainWindow::CMD2_Quitter_Click()
{
    close();
}

} // namespace ui
