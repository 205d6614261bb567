#pragma once

#include "core/ip_class.hpp"

#include <QObject>
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

// The second tab: a class chosen in either of two coupled option groups gives a default address
// and mask; a desired number of subnets gives the subnet mask octet, the stations per subnet and
// the list of subnets; a button shows the mask in slash notation.
class MaskTab : public QObject
{
    Q_OBJECT

public:
    MaskTab(Inventory &inventory, QWidget *canvas, MessageBoxes &messages);

    void SSOption1_Click();
    void SSOption2_Click();
    void Adresse1_Change(int index);
    void Adresse1_Click(int index);
    void Adresse1_LostFocus(int index);
    void NombreSousReseaux_Change();
    void CMD_Calcul_Click();
    void smasque2_Change(int index);
    void BTN_Slash_Click();
    // Runs on every change of the main window's tab.
    void SSpanel_Click();

    void affiche_Mask();
    void Verif_ClasseAdresse(int index);

    [[nodiscard]] QPushButton *quitButton() const { return CMD_Quitter_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Calcul_Slash();
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
