#include "message_boxes.hpp"

#include "core_text.hpp"

#include <QApplication>
#include <QMessageBox>

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
    QMessageBox box(toQt(message.icon), translated(message.title), translated(message.text),
        QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace ui
