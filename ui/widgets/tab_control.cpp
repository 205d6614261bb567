#include "tab_control.hpp"

#include <QTabBar>

namespace ui {
namespace {

// Each tab takes an equal share of the control's width, whatever its caption, so the tabs fill
// their row; the first share starts at the control's left edge.
class SharedRowTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override
    {
        const int row = parentWidget() ? parentWidget()->width() : width();
        const int share = row * (index + 1) / count() - row * index / count();
        return {share, QTabBar::tabSizeHint(index).height()};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

TabControl::TabControl(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new SharedRowTabBar);
}

QWidget *TabControl::addCanvas()
{
    auto *page = new QWidget;
    auto *canvas = new QWidget(page);
    canvas->setObjectName(QStringLiteral("canvas%1").arg(canvases_.size()));
    canvases_.push_back(canvas);
    addTab(page, QString());
    return canvas;
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    // The shares follow the control's width: lay the tabs out again before the control places
    // its tab bar from the tabs' size.
    tabBar()->setElideMode(tabBar()->elideMode());
    QTabWidget::resizeEvent(event);
    alignCanvases();
}

void TabControl::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    alignCanvases();
}

void TabControl::alignCanvases()
{
    for (int i = 0; i < count(); ++i) {
        // Every page shares the origin of the stack that holds them.
        const QPoint origin = widget(i)->parentWidget()->mapTo(this, QPoint(0, 0));
        canvases_.at(static_cast<std::size_t>(i))->setGeometry(QRect(-origin, size()));
    }
}

} // namespace ui
