#include "captioned_accessible.hpp"

#include "captioned.hpp"

#include <QAccessibleWidget>

namespace ui {
namespace {

QAccessibleInterface *groupForCaptioned(const QString &, QObject *object)
{
    if (auto *captioned = qobject_cast<Captioned *>(object))
        return new QAccessibleWidget(captioned, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void presentCaptionsAsGroups()
{
    static const bool installed = [] {
        QAccessible::installFactory(groupForCaptioned);
        return true;
    }();
    (void)installed;
}

} // namespace ui
