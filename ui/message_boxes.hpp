#pragma once

#include "core/message.hpp"

class QWidget;

namespace ui {

// Every message the windows show goes through here, so tests can record them instead of
// running a modal loop.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows the message and returns once the user has closed it.
    virtual void show(const core::Message &message) = 0;
};

// The real thing: a modal box with a single OK button over the active window.
class ModalMessageBoxes final : public MessageBoxes
{
public:
    void show(const core::Message &message) override;
};

} // namespace ui
