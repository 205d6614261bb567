#include "main_window.hpp"

#include "access_keys.hpp"
#include "centring.hpp"
#include "identity.hpp"
#include "tab.hpp"
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

    SSpanel_ = new TabControl(this);
    SSpanel_->setObjectName("SSpanel");
    SSpanel_->setGeometry(Twips {0, 0, 7755, 6450}.toPixels());
    // One focus order for the whole window, the tab bar first: the tabs' controls take their
    // places in it by their numbers, and on a change of tab the focus goes to the first control of
    // the new tab after the one it leaves.
    inventory_.addFocus(0, SSpanel_);
    for (const TabEntry &entry : tabList()) {
        Tab *tab = entry.make({SSpanel_->addCanvas(), inventory_, messages, pace_});
        if (entry.shownAtStart)
            SSpanel_->setCurrentIndex(SSpanel_->count() - 1);
        tabs_.push_back(tab);
    }
    inventory_.chainFocus();
    // Connected once the tab shown at start is chosen: choosing it is no change of tab.
    for (Tab *tab : tabs_) {
        connect(SSpanel_, &QTabWidget::currentChanged, tab, &Tab::tabChanged);
        connect(tab->quitButton(), &QPushButton::clicked, this, &QWidget::close);
    }
    new TabAccessKeys(SSpanel_);
    Form_Load();
}

void MainWindow::Form_Load()
{
    setWindowTitle(programCaption());
    centreOnScreen(*this);
    for (std::size_t i = 0; i < tabs_.size(); ++i)
        SSpanel_->setTabText(static_cast<int>(i), tabs_[i]->title());
}

} // namespace ui
