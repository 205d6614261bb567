#include "tab_control.hpp"

namespace ui {

TabControl::TabControl(int tabs, QWidget *parent)
    : QTabWidget(parent)
{
    for (int i = 0; i < tabs; ++i) {
        auto *page = new QWidget;
        auto *canvas = new QWidget(page);
        canvas->setObjectName(QStringLiteral("canvas%1").arg(i));
        addTab(page, QString());
    }
}

QWidget *TabControl::canvas(int tab) const
{
    return widget(tab)->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
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
        QWidget *page = widget(i);
        // Every page shares the origin of the stack that holds them.
        const QPoint origin = page->parentWidget()->mapTo(this, QPoint(0, 0));
        canvas(i)->setGeometry(QRect(-origin, size()));
    }
}

} // namespace ui
