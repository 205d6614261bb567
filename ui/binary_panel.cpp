#include "binary_panel.hpp"

#include "core_text.hpp"
#include "inventory.hpp"
#include "ui/widgets/copy_menu.hpp"

namespace ui {
namespace {

const QColor kHighlightText {0, 0, 255};
const QColor kHighlightBack {255, 192, 192};
const QColor kPlainText {0, 0, 0};

} // namespace

BinaryPanel::BinaryPanel(Inventory &inv, QWidget *frame1, Panel3D *network1, Panel3D *network2)
    : QObject(frame1)
    , network1_(network1)
    , network2_(network2)
{
    const WidgetLook hiddenBold {.font = bold(), .hidden = true};
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
        {.font = bold(), .back = kShadow, .accessible = tr("Afficher l'autre réseau en binaire")});
    buildRows(inv);
    SSCHK_AffichageBinaire_ = inv.checkBox(frame1, "SSCHK_AffichageBinaire",
        {5640, 5400, 1695, 255}, 57, tr("Affichage Binaire"),
        {.font = bold(), .text = Qt::black, .accessible = tr("Affichage binaire")});

    connect(SSCHK_AffichageBinaire_, &QCheckBox::toggled, this,
        &BinaryPanel::SSCHK_AffichageBinaire_Click);
    connect(CMD_AutreReseau_, &QPushButton::clicked, this, &BinaryPanel::CMD_AutreReseau_Click);
}

void BinaryPanel::buildRows(Inventory &inv)
{
    // The address, mask and network rows, each in its own panel.
    const struct
    {
        Panel3D *panel;
        const char *name;
        int focus;
        const char *start;
        QColor text, back;
        const char *accessible;
    } rows[3] = {
        {SSPanel14_, "TXT_Adresse1", 119, "1111111111", QColor(0, 0, 255), QColor(192, 255, 255),
            QT_TR_NOOP("Affichage binaire, adresse")},
        {SSPanel15_, "TXT_Masque1", 120, "111111111111", QColor(255, 0, 0), QColor(192, 255, 192),
            QT_TR_NOOP("Affichage binaire, masque")},
        {SSPanel16_, "TXT_Resultat1", 121, "111111111", Qt::white, Qt::black,
            QT_TR_NOOP("Affichage binaire, résultat")},
    };
    QLineEdit **boxes[3] = {&TXT_Adresse1_, &TXT_Masque1_, &TXT_Resultat1_};
    for (int r = 0; r < 3; ++r) {
        *boxes[r] = inv.textBox(rows[r].panel, rows[r].name, {120, 240, 6255, 285}, rows[r].focus,
            rows[r].start,
            {.font = bold(),
                .text = rows[r].text,
                .back = rows[r].back,
                .accessible = tr(rows[r].accessible)});
    }
    for (QLineEdit *row : {TXT_Adresse1_, TXT_Masque1_, TXT_Resultat1_})
        CopyMenu::attach(row);
}

void BinaryPanel::showRows(const core::NetworkRows &rows)
{
    TXT_Adresse1_->setText(qt(rows.address));
    TXT_Masque1_->setText(qt(rows.mask));
    TXT_Resultat1_->setText(qt(rows.result));
}

void BinaryPanel::Affiche_Binaire1(const core::Octets &address, const core::Octets &mask)
{
    rows1_ = core::renderNetwork(address, mask);
    // Deliberate: the boxes take only the rows of the network on show, so they always match the
    // panel's caption; a verification never leaves network 2's rows under network 1's caption.
    if (onShow_ == Network::First)
        showRows(rows1_);
}

void BinaryPanel::Affiche_Binaire2(const core::Octets &address, const core::Octets &mask)
{
    rows2_ = core::renderNetwork(address, mask);
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
    highlight(network1_, network2_);
    onShow_ = Network::First;
}

void BinaryPanel::Affiche_Reseau2()
{
    showRows(rows2_);
    highlight(network2_, network1_);
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
    for (Panel3D *panel : {network1_, network2_}) {
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
