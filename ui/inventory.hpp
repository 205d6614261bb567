#pragma once

#include "look.hpp"
#include "twips.hpp"
#include "ui/widgets/frame_3d.hpp"
#include "ui/widgets/line_shape.hpp"
#include "ui/widgets/panel_3d.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <utility>
#include <vector>

namespace ui {

// How one widget of the inventory looks at start. Unset colours keep the palette's.
struct WidgetLook
{
    QFont font = regular();
    QColor text {};
    QColor back {};
    // Labels only, and only across: a label's text starts at the top of its box.
    Qt::Alignment align = Qt::AlignLeft;
    bool hidden = false;
    bool disabled = false;
    bool wrap = false; // labels only
    // What a screen reader calls the widget, where its caption or its neighbours do not say it.
    QString accessible {};
};

// What a 3D panel looks like beyond its font and colours.
struct PanelLook
{
    Panel3D::Placement placement = Panel3D::Placement::TopCenter;
    Panel3D::Bevel outer = Panel3D::Bevel::Raised;
    Panel3D::Bevel inner = Panel3D::Bevel::None;
};

// Builds the widgets of a window from their inventory rows: name, container, place in twips,
// focus order, content and look. It records the focus orders and chains them once all is built.
class Inventory
{
public:
    static constexpr int kNoFocus = -1;

    QLabel *label(QWidget *in, const QString &name, Twips at, int focus, const QString &text,
        const WidgetLook &look = {});
    QLabel *picture(
        QWidget *in, const QString &name, Twips at, int focus, const WidgetLook &look = {});
    QLineEdit *textBox(QWidget *in, const QString &name, Twips at, int focus, const QString &text,
        const WidgetLook &look = {});
    QPushButton *button(QWidget *in, const QString &name, Twips at, int focus, const QString &text,
        const WidgetLook &look = {});
    QCheckBox *checkBox(QWidget *in, const QString &name, Twips at, int focus, const QString &text,
        const WidgetLook &look = {});
    QRadioButton *option(QWidget *in, const QString &name, Twips at, int focus, const QString &text,
        const WidgetLook &look = {});
    QListWidget *list(
        QWidget *in, const QString &name, Twips at, int focus, const WidgetLook &look = {});
    Panel3D *panel(QWidget *in, const QString &name, Twips at, int focus, const QString &caption,
        const WidgetLook &look = {}, const PanelLook &panelLook = {});
    Frame3D *frame(QWidget *in, const QString &name, Twips at, int focus, const QString &caption,
        const WidgetLook &look = {});
    // A line from (x1, y1) to (x2, y2), in twips in its container.
    LineShape *line(QWidget *in, const QString &name, QPointF from, QPointF to, const QColor &color,
        int width, bool hidden);

    // Records a widget that was built elsewhere but takes part in the focus order.
    void addFocus(int focus, QWidget *widget);
    // Chains the keyboard focus through every recorded widget that takes focus, lowest first.
    void chainFocus();

private:
    template <typename W>
    W *place(W *widget, const QString &name, Twips at, int focus, const WidgetLook &look);

    std::vector<std::pair<int, QWidget *>> focus_;
};

// The name of element i of a control array, as the inventory writes it: "AdresseIP1(0)".
[[nodiscard]] inline QString element(const QString &array, int i)
{
    return QStringLiteral("%1(%2)").arg(array).arg(i);
}

} // namespace ui
