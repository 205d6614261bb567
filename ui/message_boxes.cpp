#include "message_boxes.hpp"

#include "core_text.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {
namespace {

QMessageBox::Icon toQt(core::Icon icon)
{
    switch (icon) {
    case core::Icon::Critical:
        return QMessageBox::Critical;
    case core::Icon::Exclamation:
        return QMessageBox::Warning;
    case core::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

void ModalMessageBoxes::show(const core::Message &message)
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    QMessageBox box(toQt(message.icon), translated(message.title), translated(message.text),
        QMessageBox::Ok, active);
    box.exec();
    // Without a window manager nothing gives the activation back, and the next access key would
    // be typed into the box that has the focus.
    if (active && active->isVisible())
        active->activateWindow();
}

} // namespace ui
