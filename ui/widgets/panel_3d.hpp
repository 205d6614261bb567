#pragma once

#include "ui/widgets/captioned.hpp"

namespace ui {

// A bevelled panel: a raised (or inset) outer bevel, a border, an optional inset inner bevel,
// and a caption drawn inside it at the top centre, the top left, or the left halfway down.
class Panel3D : public Captioned
{
    Q_OBJECT

public:
    enum class Placement { TopCenter, TopLeft, LeftMiddle };
    enum class Bevel { None, Raised, Inset };

    using Captioned::Captioned;

    // Each setter repaints (the comma keeps them one line each).
    void setPlacement(Placement placement) { placement_ = placement, update(); }
    void setOuterBevel(Bevel bevel) { outer_ = bevel, update(); }
    void setInnerBevel(Bevel bevel) { inner_ = bevel, update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Placement placement_ = Placement::TopCenter;
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
};

} // namespace ui
