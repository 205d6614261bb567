#include "core_text.hpp"

#include <QCoreApplication>

namespace ui {

QString translated(const core::Text &text)
{
    QString sentence = QCoreApplication::translate(core::kTextContext, text.source());
    // The arguments are numbers and class letters: none holds a "%" that a later arg() could
    // take for a place.
    for (const std::string &argument : text.arguments())
        sentence = sentence.arg(QString::fromStdString(argument));
    return sentence;
}

} // namespace ui
