#include "captioned.hpp"

#include "captioned_accessible.hpp"
#include "look.hpp"

namespace ui {

Captioned::Captioned(QWidget *parent)
    : QWidget(parent)
    , backColor_(kGrey)
{
    presentCaptionsAsGroups();
}

void Captioned::setCaption(const QString &caption)
{
    caption_ = caption;
    setAccessibleName(caption.trimmed()); // screen readers read the caption, and hear it change
    update();
}

void Captioned::setCaptionColor(const QColor &color)
{
    captionColor_ = color;
    update();
}

void Captioned::setBackColor(const QColor &color)
{
    backColor_ = color;
    update();
}

} // namespace ui
