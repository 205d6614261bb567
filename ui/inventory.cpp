#include "inventory.hpp"

#include "identity.hpp"
#include "ui/widgets/button.hpp"
#include "ui/widgets/text_box.hpp"

#include <QIcon>
#include <algorithm>
#include <limits>

namespace ui {
namespace {

void colour(QWidget *widget, QPalette::ColorRole textRole, QPalette::ColorRole backRole,
    const WidgetLook &look)
{
    QPalette palette = widget->palette();
    // In every colour group: a widget the inventory colours keeps its colours when disabled.
    if (look.text.isValid())
        palette.setColor(textRole, look.text);
    if (look.back.isValid()) {
        palette.setColor(backRole, look.back);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace

template <typename W>
W *Inventory::place(W *widget, const QString &name, Twips at, int focus, const WidgetLook &look)
{
    widget->setObjectName(name);
    widget->setGeometry(at.toPixels());
    widget->setFont(look.font);
    widget->setVisible(!look.hidden);
    widget->setEnabled(!look.disabled);
    if (!look.accessible.isEmpty())
        widget->setAccessibleName(look.accessible);
    if (focus != kNoFocus)
        focus_.emplace_back(focus, widget);
    return widget;
}

QLabel *Inventory::label(QWidget *in, const QString &name, Twips at, int focus, const QString &text,
    const WidgetLook &look)
{
    auto *label = new QLabel(text, in);
    label->setAlignment(look.align | Qt::AlignTop);
    label->setWordWrap(look.wrap);
    colour(label, QPalette::WindowText, QPalette::Window, look);
    return place(label, name, at, focus, look);
}

QLabel *Inventory::picture(
    QWidget *in, const QString &name, Twips at, int focus, const WidgetLook &look)
{
    auto *picture = new QLabel(in);
    picture->setPixmap(programIcon().pixmap(32, 32));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setAutoFillBackground(true); // a picture box hides what lies under it
    return place(picture, name, at, focus, look);
}

QLineEdit *Inventory::textBox(QWidget *in, const QString &name, Twips at, int focus,
    const QString &text, const WidgetLook &look)
{
    auto *box = new TextBox(text, in);
    // Boxes take text of any length, as pasted.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setTextMargins(0, 0, 0, 0);
    colour(box, QPalette::Text, QPalette::Base, look);
    return place(box, name, at, focus, look);
}

QPushButton *Inventory::button(QWidget *in, const QString &name, Twips at, int focus,
    const QString &text, const WidgetLook &look)
{
    auto *button = new Button(text, in);
    button->setAutoDefault(false);
    colour(button, QPalette::ButtonText, QPalette::Button, look);
    return place(button, name, at, focus, look);
}

QCheckBox *Inventory::checkBox(QWidget *in, const QString &name, Twips at, int focus,
    const QString &text, const WidgetLook &look)
{
    auto *box = new QCheckBox(text, in);
    colour(box, QPalette::WindowText, QPalette::Window, look);
    return place(box, name, at, focus, look);
}

QRadioButton *Inventory::option(QWidget *in, const QString &name, Twips at, int focus,
    const QString &text, const WidgetLook &look)
{
    auto *option = new QRadioButton(text, in);
    colour(option, QPalette::WindowText, QPalette::Window, look);
    return place(option, name, at, focus, look);
}

QListWidget *Inventory::list(
    QWidget *in, const QString &name, Twips at, int focus, const WidgetLook &look)
{
    return place(new QListWidget(in), name, at, focus, look);
}

Panel3D *Inventory::panel(QWidget *in, const QString &name, Twips at, int focus,
    const QString &caption, const WidgetLook &look, const PanelLook &panelLook)
{
    auto *panel = new Panel3D(in);
    panel->setCaption(caption);
    if (look.text.isValid())
        panel->setCaptionColor(look.text);
    if (look.back.isValid())
        panel->setBackColor(look.back);
    panel->setPlacement(panelLook.placement);
    panel->setOuterBevel(panelLook.outer);
    panel->setInnerBevel(panelLook.inner);
    return place(panel, name, at, focus, look);
}

Frame3D *Inventory::frame(QWidget *in, const QString &name, Twips at, int focus,
    const QString &caption, const WidgetLook &look)
{
    auto *frame = new Frame3D(in);
    frame->setCaption(caption);
    if (look.back.isValid())
        frame->setBackColor(look.back);
    return place(frame, name, at, focus, look);
}

LineShape *Inventory::line(QWidget *in, const QString &name, QPointF from, QPointF to,
    const QColor &color, int width, bool hidden)
{
    auto *line = new LineShape(in);
    line->setObjectName(name);
    line->setX1(from.x());
    line->setY1(from.y());
    line->setX2(to.x());
    line->setY2(to.y());
    line->setColor(color);
    line->setLineWidth(width);
    line->setVisible(!hidden);
    return line;
}

void Inventory::addFocus(int focus, QWidget *widget)
{
    focus_.emplace_back(focus, widget);
}

void Inventory::chainFocus()
{
    std::stable_sort(focus_.begin(), focus_.end(),
        [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &[order, widget] : focus_) {
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace ui
