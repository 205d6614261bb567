#pragma once

#include "ui/widgets/captioned.hpp"

namespace ui {

// An etched frame with its caption set into the top edge, at the left.
class Frame3D : public Captioned
{
    Q_OBJECT

public:
    using Captioned::Captioned;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
