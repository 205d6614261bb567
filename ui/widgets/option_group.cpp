#include "option_group.hpp"

#include <QAbstractButton>
#include <QButtonGroup>

namespace ui {

void tabToSelectedOption(QButtonGroup *group)
{
    const auto follow = [group] {
        const QAbstractButton *selected = group->checkedButton();
        for (QAbstractButton *option : group->buttons()) {
            option->setFocusPolicy(
                !selected || option == selected ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
    follow();
}

} // namespace ui
