#pragma once

#include "core/ip_class.hpp"
#include "tab.hpp"

#include <array>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

class Inventory;
class MessageBoxes;
class Panel3D;

// The second tab: a class chosen in either of two coupled option groups gives a default address
// and mask; a desired number of subnets gives the subnet mask octet, the stations per subnet and
// the list of subnets; a button shows the mask in slash notation.
class MaskTab : public Tab
{
    Q_OBJECT

public:
    explicit MaskTab(const TabContext &context);

    [[nodiscard]] QString title() const override;
    [[nodiscard]] QPushButton *quitButton() const override { return CMD_Quitter_; }
    // Shows the mask of the class again.
    void tabChanged() override;

    void SSOption1_Click();
    void SSOption2_Click();
    void Adresse1_Change(int index);
    void Adresse1_Click();
    void Adresse1_LostFocus();
    void NombreSousReseaux_Change();
    void CMD_Calcul_Click();
    void smasque2_Change(int index);
    void BTN_Slash_Click();

    void affiche_Mask();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildClassPanels(Inventory &inv, Panel3D *panel9, Panel3D *panel10);
    void buildSubnetPanel(Inventory &inv, Panel3D *panel13);
    void connectHandlers();
    // The first octet's class against the class chosen.
    void checkAddressClass();
    void showSlash();
    [[nodiscard]] std::optional<core::IpClass> addressClass() const;
    [[nodiscard]] std::optional<core::IpClass> maskClass() const;
    void resetResults();
    static void select(QButtonGroup *group, core::IpClass ipClass);

    MessageBoxes &messages_;
    // The two option groups; an option's id is the index of its class.
    QButtonGroup *SSOption1_ = nullptr, *SSOption2_ = nullptr;
    std::array<QLineEdit *, 4> Adresse1_ {}, smasque2_ {};
    QLabel *LBL_ValeurClasse_ = nullptr, *Slash_ = nullptr, *LBL_ListeReseau_ = nullptr;
    QPushButton *BTN_Slash_ = nullptr, *CMD_Calcul_ = nullptr, *CMD_Quitter_ = nullptr;
    QLineEdit *NombreSousReseaux_ = nullptr, *NbrStationsPossibles_ = nullptr;
    QListWidget *LST_Reseau_ = nullptr;
};

} // namespace ui
