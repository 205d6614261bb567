#include "tab_control.hpp"

namespace ui {

TabControl::TabControl(int tabs, QWidget *parent)
    : QTabWidget(parent)
{
    for (int i = 0; i < tabs; ++i) {
        auto *page = new QWidget;
        auto *canvas = new QWidget(page);
        canvas->setObjectName(QStringLiteral("canvas%1").arg(i));
        canvases_.push_back(canvas);
        addTab(page, QString());
    }
}

void TabControl::resizeEvent(QResizeEvent *event)
{
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
