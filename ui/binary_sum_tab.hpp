#pragma once

#include "core/binary_sum.hpp"
#include "tab.hpp"

#include <array>

class QLineEdit;
class QPushButton;

namespace ui {

class Inventory;
class MessageBoxes;

// The third tab: two numbers from 0 to 255, each shown in eight binary digits, and their
// bit-by-bit AND in binary and in decimal, updated on every keystroke.
class BinarySumTab : public Tab
{
    Q_OBJECT

public:
    explicit BinarySumTab(const TabContext &context);

    [[nodiscard]] QString title() const override;
    [[nodiscard]] QPushButton *quitButton() const override { return CMD1_Quitter_; }

    void Nombre1_Change();
    void Nombre2_Change();

private:
    using BitBoxes = std::array<QLineEdit *, 8>;

    // Builds row r's panel and bit boxes, and gives its number box.
    QLineEdit *buildRow(Inventory &inv, QWidget *frame5, int r, BitBoxes &bits);
    void numberChanged(QLineEdit *number, const BitBoxes &bits);

    // The AND of the two rows of bits, in binary and in decimal.
    void showSum();

    MessageBoxes &messages_;
    QLineEdit *Nombre1_ = nullptr, *Nombre2_ = nullptr, *Nombre3_ = nullptr;
    BitBoxes Bit1_ {}, Bit2_ {}, Bit3_ {};
    QPushButton *CMD1_Quitter_ = nullptr;
};

} // namespace ui
