#pragma once

#include "core/binary_rendering.hpp"
#include "core/ip_class.hpp"

#include <QObject>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace ui {

class Inventory;
class Panel3D;

// The panel of the first tab that shows one network at a time in binary: address, mask and
// network rows, kept for both networks by the last verification so the switch button can go
// from one network to the other without computing again. The input panel of the network on
// show is highlighted.
class BinaryPanel : public QObject
{
    Q_OBJECT

public:
    // Builds the panel and its check box in frame1; highlights network1 and network2.
    BinaryPanel(Inventory &inventory, QWidget *frame1, Panel3D *network1, Panel3D *network2);

    // Renders a network into its stored rows; the boxes follow when that network is on show.
    void Affiche_Binaire1(const core::Octets &address, const core::Octets &mask);
    void Affiche_Binaire2(const core::Octets &address, const core::Octets &mask);
    // Shows a network's stored rows and highlights its input panel.
    void Affiche_Reseau1();
    void Affiche_Reseau2();

    void SSCHK_AffichageBinaire_Click();
    void CMD_AutreReseau_Click();

    // What the clear button does to the panel: boxes emptied, panels hidden, check box
    // unchecked, both input panels plain, stored rows emptied.
    void Effacer();

    // Puts the panel above whatever was built after it in frame1.
    void raise();

    // 1 while network 1 is on show, 0 otherwise.
    [[nodiscard]] std::int16_t Reseau1_Affiche() const { return onShow_ == Network::First ? 1 : 0; }
    [[nodiscard]] const std::string &Resultat_Reseau1() const { return rows1_.result; }
    [[nodiscard]] const std::string &Resultat_Reseau2() const { return rows2_.result; }

private:
    enum class Network { None, First, Second };

    // The address, mask and result rows, in the panels built before.
    void buildRows(Inventory &inv);
    void showRows(const core::NetworkRows &rows);
    void highlight(Panel3D *shown, Panel3D *other);
    void plainInputPanels();
    void setPanelsVisible(bool visible);
    void captionFor(Network network);

    Panel3D *network1_;
    Panel3D *network2_;
    Panel3D *SSPanelAffichage_;
    Panel3D *SSPanel14_, *SSPanel15_, *SSPanel16_;
    QLineEdit *TXT_Adresse1_, *TXT_Masque1_, *TXT_Resultat1_;
    QPushButton *CMD_AutreReseau_;
    QCheckBox *SSCHK_AffichageBinaire_;

    core::NetworkRows rows1_, rows2_;
    Network onShow_ = Network::None;
};

} // namespace ui
