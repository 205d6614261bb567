#pragma once

#include "binary_panel.hpp"
#include "core/octet_rules.hpp"
#include "tab.hpp"

#include <array>

class QLineEdit;
class QPushButton;

namespace ui {

class EchoScene;
class Frame3D;
class Inventory;
class MessageBoxes;
class Pace;
class Panel3D;

// The first tab: two networks typed octet by octet, checked as they are typed, then verified
// to be one network or two; the echo-request animation plays meanwhile.
class SameNetworkTab : public Tab
{
    Q_OBJECT

public:
    explicit SameNetworkTab(const TabContext &context);

    [[nodiscard]] QString title() const override;
    [[nodiscard]] QPushButton *quitButton() const override { return CMD2_Quitter_; }

    void AdresseIP1_Change(int index);
    void AdresseIP2_Change(int index);
    void Masque1_Change(int index);
    void Masque2_Change(int index);
    void CMD_Verification_Click();
    void CMD_Effacer_Click();

private:
    // One network's input: its address and mask groups and the frame the class is shown on.
    struct Network
    {
        std::array<QLineEdit *, 4> address {};
        std::array<QLineEdit *, 4> mask {};
        Frame3D *addressFrame = nullptr;
        Panel3D *panel = nullptr;
        // Deliberate: only the second network's first octet enables "&Vérification".
        bool enablesVerification = false;
    };

    void buildNetwork(Inventory &inv, QWidget *frame1, Network &network, int number);
    void addressChanged(Network &network, int index);
    void maskChanged(Network &network, int index);
    void apply(Network &network, const core::MaskSteps &steps);
    void refuse(QLineEdit *box);

    MessageBoxes &messages_;
    Network network1_, network2_;
    BinaryPanel *panel_ = nullptr;
    EchoScene *scene_ = nullptr;
    QPushButton *CMD2_Quitter_ = nullptr, *CMD_Effacer_ = nullptr, *CMD_Verification_ = nullptr;
};

} // namespace ui
