#include "captioned.hpp"

#include "ui/look.hpp"

#include <QAccessibleWidget>

namespace ui {
namespace {

// Every captioned panel and frame reaches screen readers as a group named by its caption (a
// "panel" over AT-SPI, which Orca announces when the focus enters it) rather than as a filler.
QAccessibleInterface *groupForCaptioned(const QString &, QObject *object)
{
    if (auto *captioned = qobject_cast<Captioned *>(object))
        return new QAccessibleWidget(captioned, QAccessible::Grouping);
    return nullptr;
}

void presentCaptionsAsGroups()
{
    static const bool installed = [] {
        QAccessible::installFactory(groupForCaptioned);
        return true;
    }();
    (void)installed;
}

} // namespace

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
