#include "same_network_tab.hpp"

#include "core/same_network.hpp"
#include "core_text.hpp"
#include "inventory.hpp"
#include "message_boxes.hpp"
#include "pace.hpp"

#include <cmath>

namespace ui {
namespace {

core::Octets texts(const std::array<QLineEdit *, 4> &group)
{
    core::Octets octets;
    for (std::size_t i = 0; i < group.size(); ++i)
        octets[i] = group[i]->text().toStdString();
    return octets;
}

// Where the scene starts and how far the lines and labels travel, in twips.
constexpr int kStep = 20;
constexpr double kPingLeft = 600;
constexpr double kEchoLeft = 5520;

// The main window's hourglass, for as long as the verification runs.
class BusyPointer
{
public:
    explicit BusyPointer(QWidget *window)
        : window_(window)
    {
        window_->setCursor(Qt::WaitCursor);
    }
    ~BusyPointer() { window_->unsetCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    QWidget *window_;
};

} // namespace

SameNetworkTab::SameNetworkTab(Inventory &inv, QWidget *canvas, MessageBoxes &messages, Pace &pace)
    : QObject(canvas)
    , messages_(messages)
    , pace_(pace)
{
    QWidget *frame1 = inv.frame(canvas, "Frame1", {195, 630, 7455, 5775}, 32, QString());
    inv.label(frame1, "Label1", {120, 240, 7215, 495}, 75,
        tr("Permet de vérifier si deux réseaux IP d'adressage différents, appartiennent au même "
           "réseau IP"),
        {.font = bold(), .align = Qt::AlignHCenter | Qt::AlignTop, .wrap = true});
    buildNetwork(inv, frame1, reseau1_, 1);
    buildNetwork(inv, frame1, reseau2_, 2);
    panel_ = new BinaryPanel(inv, frame1, reseau1_.panel, reseau2_.panel);

    const Look hidden {.hidden = true};
    PICT_PC1_ = inv.picture(frame1, "PICT_PC1", {120, 4440, 480, 480}, 34, hidden);
    PICT_PC2_ = inv.picture(frame1, "PICT_PC2", {6840, 4440, 480, 480}, 33, hidden);
    LINE_Ping_ = inv.line(frame1, "LINE_Ping", {600, 4755}, {1005, 4755}, Qt::black, 2, true);
    LINE_Retour_ = inv.line(frame1, "LINE_Retour", {6420, 4755}, {6825, 4755}, Qt::black, 2, true);
    LBL_Ping_ = inv.label(frame1, "LBL_Ping", {585, 4770, 345, 210}, 74, tr("Ping"),
        {.font = classicFont(8.25, true, Face::Serif), .text = QColor(255, 0, 0), .hidden = true});
    LBL_echo_ = inv.label(frame1, "LBL_echo", {5505, 4545, 1395, 195}, 73, tr("Request TimeOut"),
        {.font = classicFont(8.25, true, Face::Serif),
            .text = QColor(0, 0, 255),
            .back = kGrey,
            .hidden = true});
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
        connect(reseau1_.adresse[i], &QLineEdit::textChanged, this,
            [this, i] { AdresseIP1_Change(i); });
        connect(reseau2_.adresse[i], &QLineEdit::textChanged, this,
            [this, i] { AdresseIP2_Change(i); });
        connect(
            reseau1_.masque[i], &QLineEdit::textChanged, this, [this, i] { Masque1_Change(i); });
        connect(
            reseau2_.masque[i], &QLineEdit::textChanged, this, [this, i] { Masque2_Change(i); });
    }
    connect(
        CMD_Verification_, &QPushButton::clicked, this, &SameNetworkTab::CMD_Verification_Click);
    connect(CMD_Effacer_, &QPushButton::clicked, this, &SameNetworkTab::CMD_Effacer_Click);
}

void SameNetworkTab::buildNetwork(Inventory &inv, QWidget *frame1, Network &network, int number)
{
    // One network's rows of the inventory, network 1 then network 2: the boxes do not line up
    // alike in both, and the focus orders and dot names follow no rule.
    struct Row
    {
        const char *name;
        Twips at;
        int focus;
    };
    struct Place
    {
        int left, top, focus;
    };
    struct Dot
    {
        int index, focus; // Label2(index); the three dots of a frame stand at 600, 1320, 2040
    };
    struct Rows
    {
        Row panel;
        const char *caption;
        Row adresseFrame, masqueFrame;
        const char *adresse, *adresseName;
        std::array<Place, 4> adresseBoxes;
        std::array<Dot, 3> adresseDots;
        const char *masque, *masqueName;
        std::array<Place, 4> masqueBoxes;
        std::array<Dot, 3> masqueDots;
        bool enablesVerification;
    };
    static const Rows rows[2] = {
        {
            .panel = {"SSPanel1", {120, 720, 3255, 1695}, 35},
            .caption = QT_TR_NOOP("1er Réseau IP"),
            .adresseFrame = {"SSFrame1", {240, 360, 2775, 615}, 36},
            .masqueFrame = {"SSFrame2", {240, 960, 2775, 615}, 56},
            .adresse = "AdresseIP1",
            .adresseName = QT_TR_NOOP("1er réseau, adresse, octet %1"),
            .adresseBoxes = {{{135, 240, 37}, {840, 240, 39}, {1545, 240, 41}, {2280, 255, 43}}},
            .adresseDots = {{{0, 42}, {1, 40}, {2, 38}}},
            .masque = "masque1",
            .masqueName = QT_TR_NOOP("1er réseau, masque, octet %1"),
            .masqueBoxes = {{{120, 240, 44}, {840, 240, 45}, {1560, 240, 46}, {2280, 240, 47}}},
            .masqueDots = {{{5, 58}, {4, 60}, {3, 62}}},
            .enablesVerification = false,
        },
        {
            .panel = {"SSPanel2", {4080, 720, 3255, 1695}, 64},
            .caption = QT_TR_NOOP("2ème Réseau IP"),
            .adresseFrame = {"SSFrame3", {240, 360, 2775, 615}, 65},
            .masqueFrame = {"SSFrame4", {240, 960, 2775, 615}, 69},
            .adresse = "AdresseIP2",
            .adresseName = QT_TR_NOOP("2ème réseau, adresse, octet %1"),
            .adresseBoxes = {{{120, 240, 48}, {840, 240, 49}, {1560, 240, 50}, {2280, 240, 51}}},
            .adresseDots = {{{8, 66}, {7, 67}, {6, 68}}},
            .masque = "Masque2",
            .masqueName = QT_TR_NOOP("2ème réseau, masque, octet %1"),
            .masqueBoxes = {{{120, 240, 52}, {840, 240, 53}, {1560, 240, 54}, {2280, 240, 55}}},
            .masqueDots = {{{9, 72}, {10, 71}, {11, 70}}},
            .enablesVerification = true,
        },
    };
    const Rows &r = rows[number - 1];

    network.enablesVerification = r.enablesVerification;
    network.panel = inv.panel(frame1, r.panel.name, r.panel.at, r.panel.focus, tr(r.caption),
        {.font = bold(), .text = Qt::black}, {.inner = Panel3D::Bevel::Inset});
    network.adresseFrame = inv.frame(network.panel, r.adresseFrame.name, r.adresseFrame.at,
        r.adresseFrame.focus, tr("Adresse IP"), {.font = bold()});
    Frame3D *masqueFrame = inv.frame(
        network.panel, r.masqueFrame.name, r.masqueFrame.at, r.masqueFrame.focus, tr("Masque"));
    for (int i = 0; i < 4; ++i) {
        const Place &a = r.adresseBoxes[i], &m = r.masqueBoxes[i];
        network.adresse[i] = inv.textBox(network.adresseFrame, element(r.adresse, i),
            {a.left, a.top, 375, 285}, a.focus, "0", {.accessible = tr(r.adresseName).arg(i + 1)});
        network.masque[i] = inv.textBox(masqueFrame, element(r.masque, i),
            {m.left, m.top, 375, 285}, m.focus, " ", {.accessible = tr(r.masqueName).arg(i + 1)});
    }
    const Look dot {.font = classicFont(12, true)};
    const int dotLefts[3] = {600, 1320, 2040};
    for (int d = 0; d < 3; ++d) {
        inv.label(network.adresseFrame, element("Label2", r.adresseDots[d].index),
            {dotLefts[d], 240, 135, 255}, r.adresseDots[d].focus, ".", dot);
        inv.label(masqueFrame, element("Label2", r.masqueDots[d].index),
            {dotLefts[d], 240, 135, 255}, r.masqueDots[d].focus, ".", dot);
    }
}

void SameNetworkTab::AdresseIP1_Change(int index)
{
    addressChanged(reseau1_, index);
}
void SameNetworkTab::AdresseIP2_Change(int index)
{
    addressChanged(reseau2_, index);
}
void SameNetworkTab::Masque1_Change(int index)
{
    maskChanged(reseau1_, index);
}
void SameNetworkTab::Masque2_Change(int index)
{
    maskChanged(reseau2_, index);
}

void SameNetworkTab::apply(Network &network, const core::MaskSteps &steps)
{
    for (const core::MaskStep &step : steps) {
        if (const auto *caption = std::get_if<core::SetCaption>(&step))
            network.adresseFrame->setCaption(translated(caption->caption));
        else if (const auto *text = std::get_if<core::SetMaskText>(&step))
            network.masque[text->position]->setText(QString::fromStdString(text->text));
        else if (const auto *lock = std::get_if<core::SetMaskLocked>(&step))
            network.masque[lock->position]->setEnabled(!lock->locked);
    }
}

void SameNetworkTab::refuse(QLineEdit *box)
{
    messages_.show(core::rangeRefusal());
    box->setText(QString()); // runs this box's handler again, on a text that passes
}

void SameNetworkTab::addressChanged(Network &network, int index)
{
    Reinit_Ping();
    const std::string premier = network.adresse[0]->text().toStdString();
    apply(network, core::firstCharacterRule(premier));
    if (!core::Verif_Octet(network.adresse[index]->text().toStdString())) {
        refuse(network.adresse[index]);
        for (QLineEdit *box : network.masque)
            box->setText(QString());
    }
    // Read again: the refusal above may have emptied the first octet.
    const std::string first = network.adresse[0]->text().toStdString();
    if (network.enablesVerification && core::premierOctetPositif(first))
        CMD_Verification_->setEnabled(true);
    apply(network, core::classStep(first));
}

void SameNetworkTab::maskChanged(Network &network, int index)
{
    Reinit_Ping();
    if (!core::Verif_Octet(network.masque[index]->text().toStdString()))
        refuse(network.masque[index]);
}

void SameNetworkTab::Reinit_Ping()
{
    PICT_PC1_->hide();
    PICT_PC2_->hide();
    LBL_echo_->hide();
    LBL_echo_->move(px(kEchoLeft), LBL_echo_->y());
    LINE_Ping_->hide();
    LINE_Retour_->hide();
    LBL_Ping_->move(px(kPingLeft), LBL_Ping_->y());
    LBL_Ping_->hide();
}

void SameNetworkTab::moveNow(QWidget *widget, double leftTwips)
{
    const QRect before = widget->geometry();
    widget->move(px(leftTwips), widget->y());
    widget->parentWidget()->repaint(before.united(widget->geometry()));
}

void SameNetworkTab::CMD_Verification_Click()
{
    if (const auto refusal = core::checkPairs(texts(reseau1_.adresse), texts(reseau1_.masque),
            texts(reseau2_.adresse), texts(reseau2_.masque))) {
        messages_.show(*refusal);
        return;
    }
    const BusyPointer busy(CMD_Verification_->window());

    // The scene from its start: both computers, the request line and "Ping" at the first one.
    Reinit_Ping();
    PICT_PC1_->show();
    PICT_PC2_->show();
    LINE_Ping_->show();
    LBL_Ping_->show();
    LINE_Ping_->setColor(QColor(255, 0, 0));
    // The computers appear before anything moves. The container's repaint leaves out the opaque
    // pictures just shown while no event is processed, so each paints itself.
    LINE_Ping_->parentWidget()->repaint();
    PICT_PC1_->repaint();
    PICT_PC2_->repaint();

    pace_.begin();
    playOutgoing();
    panel_->Affiche_Binaire1(texts(reseau1_.adresse), texts(reseau1_.masque));
    panel_->Affiche_Binaire2(texts(reseau2_.adresse), texts(reseau2_.masque));
    LINE_Retour_->show();
    const bool memeReseau
        = core::Meme_Reseau(panel_->Resultat_Reseau1(), panel_->Resultat_Reseau2());
    playReturn(memeReseau);
    messages_.show(core::messageVerdict(memeReseau));
}

void SameNetworkTab::playOutgoing()
{
    for (int x = 0; x <= 6820; x += kStep) {
        LINE_Ping_->setX2(x);
        LINE_Ping_->repaintNow();
        pace_.step();
    }
    for (int x = qRound(twips(LBL_Ping_->x())); x <= 6500; x += kStep) {
        moveNow(LBL_Ping_, x);
        pace_.step();
    }
}

void SameNetworkTab::playReturn(bool memeReseau)
{
    // The reply reaches the first computer only when both are on one network.
    const int lineEnd = memeReseau ? 600 : 2000;
    const int labelEnd = memeReseau ? 580 : 2000;
    LINE_Retour_->setColor(QColor(0, 0, 255));
    for (int x = static_cast<int>(std::lround(LINE_Retour_->x2())); x >= lineEnd; x -= kStep) {
        LINE_Retour_->setX1(x);
        LINE_Retour_->repaintNow();
        LINE_Ping_->setX2(x);
        LINE_Ping_->repaintNow();
        pace_.step();
    }
    LBL_echo_->setText(tr("Echo Reply"));
    LBL_echo_->show();
    for (int x = 5500; x >= labelEnd; x -= kStep) {
        moveNow(LBL_echo_, x);
        pace_.step();
    }
    if (!memeReseau)
        LBL_echo_->setText(tr("Request TimeOut"));
}

void SameNetworkTab::CMD_Effacer_Click()
{
    CMD_Verification_->setEnabled(false);
    for (Network *network : {&reseau1_, &reseau2_}) {
        for (QLineEdit *box : network->masque)
            box->setText(QString());
    }
    for (Network *network : {&reseau1_, &reseau2_}) {
        for (QLineEdit *box : network->adresse)
            box->setText(QString());
    }
    panel_->Effacer();
    for (int i = 0; i < 4; ++i) {
        reseau1_.adresse[i]->setText("0");
        reseau2_.adresse[i]->setText("0");
    }
}

} // namespace ui
