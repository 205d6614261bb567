#include "text.hpp"

namespace core {

std::string Text::french() const
{
    std::string out;
    for (const char *c = source_; *c != '\0'; ++c) {
        const std::size_t number = c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? c[1] - '0' : 0;
        if (number > 0 && number <= arguments_.size()) {
            out += arguments_[number - 1];
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

} // namespace core
