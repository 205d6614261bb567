#include "core_text.hpp"

#include <QCoreApplication>
#include <QLineEdit>

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

std::string text(const QLineEdit *box)
{
    return box->text().toStdString();
}

core::Octets texts(const std::array<QLineEdit *, 4> &boxes)
{
    core::Octets octets;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        octets[i] = text(boxes[i]);
    return octets;
}

} // namespace ui
