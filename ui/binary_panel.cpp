#include "binary_panel.hpp"

#include "ui/widgets/copy_menu.hpp"
#include "inventory.hpp"

namespace ui {
namespace {

const QColor kHighlightText {0, 0, 255};
const QColor kHighlightBack {255, 192, 192};
const QColor kPlainText {0, 0, 0};

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

BinaryPanel::BinaryPanel(Inventory &inv, QWidget *frame1, Panel3D *reseau1, Panel3D *reseau2)
    : QObject(frame1)
    , reseau1_(reseau1)
    , reseau2_(reseau2)
{
    const Look hiddenBold {.font = bold(), .hidden = true};
    const PanelLook topLeft {.placement = Panel3D::Placement::TopLeft};
    SSPanelAffichage_ = inv.panel(frame1, "SSPanelAffichage", {120, 2520, 7215, 2580}, 115,
        tr("Affichage Binaire 1er Réseau IP"),
        {.font = bold(), .text = QColor(255, 0, 0), .hidden = true},
        {.inner = Panel3D::Bevel::Inset});
    SSPanel14_ = inv.panel(SSPanelAffichage_, "SSPanel14", {105, 315, 6975, 615}, 116,
        tr("Adresse"), hiddenBold, topLeft);
    SSPanel15_ = inv.panel(SSPanelAffichage_, "SSPanel15", {105, 915, 6975, 615}, 117, tr("Masque"),
        hiddenBold, topLeft);
    SSPanel16_ = inv.panel(SSPanelAffichage_, "SSPanel16", {105, 1530, 6975, 615}, 118,
        tr("Résultat"), hiddenBold, topLeft);
    CMD_AutreReseau_ = inv.button(SSPanelAffichage_, "CMD_AutreReseau", {2745, 2175, 1815, 315},
        122, tr("2ème Réseau IP"),
        {.font = bold(),
            .back = kShadow,
            .accessible = tr("Afficher l'autre réseau en binaire")});
    TXT_Adresse1_
        = inv.textBox(SSPanel14_, "TXT_Adresse1", {120, 240, 6255, 285}, 119, "1111111111",
            {.font = bold(),
                .text = QColor(0, 0, 255),
                .back = QColor(192, 255, 255),
                .accessible = tr("Affichage binaire, adresse")});
    TXT_Masque1_
        = inv.textBox(SSPanel15_, "TXT_Masque1", {120, 240, 6255, 285}, 120, "111111111111",
            {.font = bold(),
                .text = QColor(255, 0, 0),
                .back = QColor(192, 255, 192),
                .accessible = tr("Affichage binaire, masque")});
    TXT_Resultat1_
        = inv.textBox(SSPanel16_, "TXT_Resultat1", {120, 240, 6255, 285}, 121, "111111111",
            {.font = bold(),
                .text = Qt::white,
                .back = Qt::black,
                .accessible = tr("Affichage binaire, résultat")});
    SSCHK_AffichageBinaire_ = inv.checkBox(frame1, "SSCHK_AffichageBinaire",
        {5640, 5400, 1695, 255}, 57, tr("Affichage Binaire"),
        {.font = bold(), .text = Qt::black, .accessible = tr("Affichage binaire")});
    for (QLineEdit *row : {TXT_Adresse1_, TXT_Masque1_, TXT_Resultat1_})
        CopyMenu::attach(row);

    connect(SSCHK_AffichageBinaire_, &QCheckBox::toggled, this,
        &BinaryPanel::SSCHK_AffichageBinaire_Click);
    connect(CMD_AutreReseau_, &QPushButton::clicked, this, &BinaryPanel::CMD_AutreReseau_Click);
}

void BinaryPanel::showRows(const core::NetworkRows &rows)
{
    TXT_Adresse1_->setText(qt(rows.adresse));
    TXT_Masque1_->setText(qt(rows.masque));
    TXT_Resultat1_->setText(qt(rows.resultat));
}

void BinaryPanel::Affiche_Binaire1(const core::Octets &adresse, const core::Octets &masque)
{
    rows1_ = core::renderNetwork(adresse, masque);
    // Deliberate: the boxes take only the rows of the network on show, so they always match the
    // panel's caption; a verification never leaves network 2's rows under network 1's caption.
    if (onShow_ == Network::First)
        showRows(rows1_);
}

void BinaryPanel::Affiche_Binaire2(const core::Octets &adresse, const core::Octets &masque)
{
    rows2_ = core::renderNetwork(adresse, masque);
    if (onShow_ == Network::Second)
        showRows(rows2_);
}

void BinaryPanel::highlight(Panel3D *shown, Panel3D *other)
{
    shown->setCaptionColor(kHighlightText);
    other->setCaptionColor(kPlainText);
    shown->setBackColor(kHighlightBack);
    other->setBackColor(kGrey);
}

void BinaryPanel::Affiche_Reseau1()
{
    showRows(rows1_);
    highlight(reseau1_, reseau2_);
    onShow_ = Network::First;
}

void BinaryPanel::Affiche_Reseau2()
{
    showRows(rows2_);
    highlight(reseau2_, reseau1_);
    onShow_ = Network::Second;
}

void BinaryPanel::captionFor(Network network)
{
    const bool second = network == Network::Second;
    SSPanelAffichage_->setCaption(
        second ? tr("Affichage Binaire 2ème Réseau IP") : tr("Affichage Binaire 1er Réseau IP"));
    CMD_AutreReseau_->setText(second ? tr("1er Réseau IP") : tr("2ème Réseau IP"));
}

void BinaryPanel::CMD_AutreReseau_Click()
{
    // Deliberate: always to the network named on the button, whatever ran since the last click.
    if (onShow_ == Network::First) {
        captionFor(Network::Second);
        Affiche_Reseau2();
    } else {
        captionFor(Network::First);
        Affiche_Reseau1();
    }
}

void BinaryPanel::setPanelsVisible(bool visible)
{
    for (Panel3D *panel : {SSPanelAffichage_, SSPanel14_, SSPanel15_, SSPanel16_})
        panel->setVisible(visible);
}

void BinaryPanel::SSCHK_AffichageBinaire_Click()
{
    onShow_ = Network::None;
    captionFor(Network::First);
    if (SSCHK_AffichageBinaire_->isChecked()) {
        setPanelsVisible(true);
        Affiche_Reseau1();
        return;
    }
    plainInputPanels();
    setPanelsVisible(false);
}

void BinaryPanel::plainInputPanels()
{
    for (Panel3D *panel : {reseau1_, reseau2_}) {
        panel->setCaptionColor(kPlainText);
        panel->setBackColor(kGrey);
    }
}

void BinaryPanel::raise()
{
    SSPanelAffichage_->raise();
}

void BinaryPanel::Effacer()
{
    showRows({});
    setPanelsVisible(false);
    SSCHK_AffichageBinaire_->setChecked(false);
    plainInputPanels();
    rows1_ = rows2_ = {};
    onShow_ = Network::None;
}

} // namespace ui
