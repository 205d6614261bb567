#pragma once

#include <QString>
#include <span>

class QLineEdit;
class QWidget;

namespace ui {

// Tells a screen reader what the user must know after an action, when it happens, without
// moving the focus: a notification, an object the size of nothing that shows in the window and
// that the screen reader reads as it shows, whatever control has the focus. Nothing is made while
// no assistive technology listens. (Qt 6.8's announcement event would do, but Qt 6.4 has none;
// Orca reads a notification from its version 43 on.)
void announce(QWidget *from, const QString &text);
// The same once the typing pauses: of the texts given for one widget meanwhile, only the last,
// which is then all the user needs (a row at each digit typed would be cut by the next).
void announceAfterTyping(QWidget *from, const QString &text);

// A value after its name, as read: "Stations possibles par sous-réseau : 8190"; nothing without a
// value.
[[nodiscard]] QString labelled(const QString &name, const QString &value);

// The bits of a row of boxes, spaced so that each is read as a digit: "1 1 0 0 1 0 0 0".
[[nodiscard]] QString spokenBits(std::span<QLineEdit *const> boxes);

} // namespace ui
