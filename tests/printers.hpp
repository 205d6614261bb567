#pragma once

// So that a failed expectation prints texts as the user reads them, not as bytes.

#include "core/message.hpp"

#include <ostream>

namespace core {

inline void PrintTo(const Text &text, std::ostream *out)
{
    *out << '"' << text.french() << '"';
}

inline void PrintTo(const Message &message, std::ostream *out)
{
    const char *const icons[] = {"critical", "exclamation", "information"};
    *out << '"' << message.text.french() << "\" (" << icons[static_cast<int>(message.icon)]
         << ", \"" << message.title.french() << "\")";
}

} // namespace core

#ifdef QT_CORE_LIB
#include <QString>

inline std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << text.toStdString();
}
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
#endif
