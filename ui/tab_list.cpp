#include "binary_sum_tab.hpp"
#include "mask_tab.hpp"
#include "same_network_tab.hpp"
#include "tab.hpp"

namespace ui {

std::span<const TabEntry> tabList()
{
    static constexpr TabEntry tabs[] = {
        {&makeTab<SameNetworkTab>},
        {&makeTab<MaskTab>, true},
        {&makeTab<BinarySumTab>},
    };
    return tabs;
}

} // namespace ui
