#include "same_network_tab.hpp"

#include "announcer.hpp"
#include "core/same_network.hpp"
#include "core_text.hpp"
#include "echo_scene.hpp"
#include "inventory.hpp"
#include "message_boxes.hpp"

namespace ui {
namespace {

// One network's rows of the inventory, network 1 then network 2: the boxes do not line up alike
// in both, and the focus orders and dot names follow no rule.
struct Row
{
    const char *name;
    Twips at;
    int focus;
};
struct NetworkRows
{
    Row panel;
    const char *caption;
    Row address, mask;
    bool enablesVerification;
};
const NetworkRows networkRows[2] = {
    {{"SSPanel1", {120, 720, 3255, 1695}, 35},
        QT_TRANSLATE_NOOP("ui::SameNetworkTab", "1er Réseau IP"),
        {"SSFrame1", {240, 360, 2775, 615}, 36}, {"SSFrame2", {240, 960, 2775, 615}, 56}, false},
    {{"SSPanel2", {4080, 720, 3255, 1695}, 64},
        QT_TRANSLATE_NOOP("ui::SameNetworkTab", "2ème Réseau IP"),
        {"SSFrame3", {240, 360, 2775, 615}, 65}, {"SSFrame4", {240, 960, 2775, 615}, 69}, true},
};

// Each group of four boxes: its array, what a screen reader calls its boxes, their places; then
// the dots between the boxes (Label2(index)), which stand at 600, 1320 and 2040 in every group.
// Address then mask, network 1 then network 2.
struct Place
{
    int left, top, focus;
};
struct Dot
{
    int index, focus;
};
struct Group
{
    const char *array, *accessible;
    std::array<Place, 4> boxes;
    std::array<Dot, 3> dots;
};
const Group groups[4] = {
    {"AdresseIP1", QT_TRANSLATE_NOOP("ui::SameNetworkTab", "1er réseau, adresse, octet %1"),
        {{{135, 240, 37}, {840, 240, 39}, {1545, 240, 41}, {2280, 255, 43}}},
        {{{0, 42}, {1, 40}, {2, 38}}}},
    {"masque1", QT_TRANSLATE_NOOP("ui::SameNetworkTab", "1er réseau, masque, octet %1"),
        {{{120, 240, 44}, {840, 240, 45}, {1560, 240, 46}, {2280, 240, 47}}},
        {{{5, 58}, {4, 60}, {3, 62}}}},
    {"AdresseIP2", QT_TRANSLATE_NOOP("ui::SameNetworkTab", "2ème réseau, adresse, octet %1"),
        {{{120, 240, 48}, {840, 240, 49}, {1560, 240, 50}, {2280, 240, 51}}},
        {{{8, 66}, {7, 67}, {6, 68}}}},
    {"Masque2", QT_TRANSLATE_NOOP("ui::SameNetworkTab", "2ème réseau, masque, octet %1"),
        {{{120, 240, 52}, {840, 240, 53}, {1560, 240, 54}, {2280, 240, 55}}},
        {{{9, 72}, {10, 71}, {11, 70}}}},
};

// The boxes of a group, then the dots between them.
void buildGroup(Inventory &inv, const Group &group, QWidget *in, const QString &start,
    std::array<QLineEdit *, 4> &boxes)
{
    for (int i = 0; i < 4; ++i) {
        const Place &p = group.boxes[i];
        boxes[i] = inv.textBox(in, element(group.array, i), {p.left, p.top, 375, 285}, p.focus,
            start, {.accessible = SameNetworkTab::tr(group.accessible).arg(i + 1)});
    }
    const int dotLefts[3] = {600, 1320, 2040};
    for (int d = 0; d < 3; ++d) {
        inv.label(in, element("Label2", group.dots[d].index), {dotLefts[d], 240, 135, 255},
            group.dots[d].focus, ".", {.font = classicFont(12, true)});
    }
}

} // namespace

SameNetworkTab::SameNetworkTab(const TabContext &context)
    : Tab(context.canvas)
    , messages_(context.messages)
{
    Inventory &inv = context.inventory;
    QWidget *frame1 = inv.frame(context.canvas, "Frame1", {195, 630, 7455, 5775}, 32, QString());
    inv.label(frame1, "Label1", {120, 240, 7215, 495}, 75,
        tr("Permet de vérifier si deux réseaux IP d'adressage différents, appartiennent au même "
           "réseau IP"),
        {.font = bold(), .align = Qt::AlignHCenter | Qt::AlignTop, .wrap = true});
    buildNetwork(inv, frame1, network1_, 1);
    buildNetwork(inv, frame1, network2_, 2);
    panel_ = new BinaryPanel(inv, frame1, network1_.panel, network2_.panel);

    scene_ = new EchoScene(inv, frame1, context.pace);
    CMD2_Quitter_ = inv.button(frame1, "CMD2_Quitter", {120, 5160, 1095, 495}, 63, tr("&Quitter"),
        {.font = bold(), .accessible = tr("Quitter (onglet Réseaux identiques)")});
    CMD_Effacer_ = inv.button(frame1, "CMD_Effacer", {1320, 5160, 1095, 495}, 61, tr("&Effacer"),
        {.font = bold(), .accessible = tr("Effacer les deux réseaux")});
    CMD_Verification_
        = inv.button(frame1, "CMD_Verification", {2640, 5175, 2655, 495}, 59, tr("&Vérification"),
            {.font = bold(),
                .disabled = true,
                .accessible = tr("Vérifier si les deux réseaux sont identiques")});
    // The binary panel, once the user asks for it, covers the finished scene rather than the
    // other way round.
    panel_->raise();

    for (int i = 0; i < 4; ++i) {
        connect(network1_.address[i], &QLineEdit::textChanged, this,
            [this, i] { AdresseIP1_Change(i); });
        connect(network2_.address[i], &QLineEdit::textChanged, this,
            [this, i] { AdresseIP2_Change(i); });
        connect(network1_.mask[i], &QLineEdit::textChanged, this, [this, i] { Masque1_Change(i); });
        connect(network2_.mask[i], &QLineEdit::textChanged, this, [this, i] { Masque2_Change(i); });
    }
    connect(
        CMD_Verification_, &QPushButton::clicked, this, &SameNetworkTab::CMD_Verification_Click);
    connect(CMD_Effacer_, &QPushButton::clicked, this, &SameNetworkTab::CMD_Effacer_Click);
}

QString SameNetworkTab::title() const
{
    return tr("&Réseaux Identiques ?");
}

void SameNetworkTab::buildNetwork(Inventory &inv, QWidget *frame1, Network &network, int number)
{
    const NetworkRows &f = networkRows[number - 1];
    network.enablesVerification = f.enablesVerification;
    network.panel = inv.panel(frame1, f.panel.name, f.panel.at, f.panel.focus, tr(f.caption),
        {.font = bold(), .text = Qt::black}, {.inner = Panel3D::Bevel::Inset});
    network.addressFrame = inv.frame(network.panel, f.address.name, f.address.at, f.address.focus,
        tr("Adresse IP"), {.font = bold()});
    Frame3D *maskFrame
        = inv.frame(network.panel, f.mask.name, f.mask.at, f.mask.focus, tr("Masque"));
    buildGroup(inv, groups[2 * number - 2], network.addressFrame, "0", network.address);
    buildGroup(inv, groups[2 * number - 1], maskFrame, " ", network.mask);
}

void SameNetworkTab::AdresseIP1_Change(int index)
{
    addressChanged(network1_, index);
}
void SameNetworkTab::AdresseIP2_Change(int index)
{
    addressChanged(network2_, index);
}
void SameNetworkTab::Masque1_Change(int index)
{
    maskChanged(network1_, index);
}
void SameNetworkTab::Masque2_Change(int index)
{
    maskChanged(network2_, index);
}

void SameNetworkTab::apply(Network &network, const core::MaskSteps &steps)
{
    for (const core::MaskStep &step : steps) {
        if (const auto *caption = std::get_if<core::SetCaption>(&step))
            network.addressFrame->setCaption(translated(caption->caption));
        else if (const auto *text = std::get_if<core::SetMaskText>(&step))
            network.mask[text->position]->setText(qt(text->text));
        else if (const auto *lock = std::get_if<core::SetMaskLocked>(&step))
            network.mask[lock->position]->setEnabled(!lock->locked);
    }
}

void SameNetworkTab::refuse(QLineEdit *box)
{
    messages_.show(core::rangeRefusal());
    box->setText(QString()); // runs this box's handler again, on a text that passes
}

void SameNetworkTab::addressChanged(Network &network, int index)
{
    scene_->Reinit_Ping();
    const QString captionBefore = network.addressFrame->caption();
    const std::string firstTyped = text(network.address[0]);
    apply(network, core::firstCharacterRule(firstTyped));
    if (!core::Verif_Octet(text(network.address[index]))) {
        refuse(network.address[index]);
        for (QLineEdit *box : network.mask)
            box->setText(QString());
    }
    // Read again: the refusal above may have emptied the first octet.
    const std::string first = text(network.address[0]);
    if (network.enablesVerification && core::firstOctetPositive(first))
        CMD_Verification_->setEnabled(true);
    apply(network, core::classStep(first));
    // The class found, or lost, once per change of class, not at each digit of the same class.
    if (network.addressFrame->caption() != captionBefore)
        announce(network.addressFrame, network.addressFrame->caption());
}

void SameNetworkTab::maskChanged(Network &network, int index)
{
    scene_->Reinit_Ping();
    if (!core::Verif_Octet(text(network.mask[index])))
        refuse(network.mask[index]);
}

void SameNetworkTab::CMD_Verification_Click()
{
    if (const auto refusal = core::checkPairs(texts(network1_.address), texts(network1_.mask),
            texts(network2_.address), texts(network2_.mask))) {
        messages_.show(*refusal);
        return;
    }
    const BusyPointer busy(CMD_Verification_->window());
    scene_->playOutgoing();
    panel_->Affiche_Binaire1(texts(network1_.address), texts(network1_.mask));
    panel_->Affiche_Binaire2(texts(network2_.address), texts(network2_.mask));
    const bool same = core::Meme_Reseau(panel_->Resultat_Reseau1(), panel_->Resultat_Reseau2());
    scene_->playReturn(same);
    messages_.show(core::verdict(same));
    scene_->announceSteps();
}

void SameNetworkTab::CMD_Effacer_Click()
{
    CMD_Verification_->setEnabled(false);
    for (Network *network : {&network1_, &network2_}) {
        for (QLineEdit *box : network->mask)
            box->setText(QString());
    }
    for (Network *network : {&network1_, &network2_}) {
        for (QLineEdit *box : network->address)
            box->setText(QString());
    }
    panel_->Effacer();
    for (int i = 0; i < 4; ++i) {
        network1_.address[i]->setText("0");
        network2_.address[i]->setText("0");
    }
}

} // namespace ui
