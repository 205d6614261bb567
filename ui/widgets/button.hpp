#pragma once

#include <QPushButton>

namespace ui {

// A push button with a classic face, flat in its back colour, whose caption wraps onto several
// lines when it is wider than the button, as "  Notation       &Slash" does on its narrow button.
class Button : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
