#pragma once

#include "core/binary_sum.hpp"

#include <QObject>
#include <array>

class QLineEdit;
class QPushButton;

namespace ui {

class Inventory;
class MessageBoxes;

// The third tab: two numbers from 0 to 255, each shown in eight binary digits, and their
// bit-by-bit AND in binary and in decimal, updated on every keystroke.
class BinarySumTab : public QObject
{
    Q_OBJECT

public:
    BinarySumTab(Inventory &inventory, QWidget *canvas, MessageBoxes &messages);

    void Nombre1_Change();
    void Nombre2_Change();
    void Somme_Binaire();

    [[nodiscard]] QPushButton *quitButton() const { return CMD1_Quitter_; }

private:
    using BitBoxes = std::array<QLineEdit *, 8>;

    void numberChanged(QLineEdit *number, const BitBoxes &bits);

    MessageBoxes &messages_;
    QLineEdit *Nombre1_ = nullptr, *Nombre2_ = nullptr, *Nombre3_ = nullptr;
    BitBoxes Bit1_ {}, Bit2_ {}, Bit3_ {};
    QPushButton *CMD1_Quitter_ = nullptr;
};

} // namespace ui
