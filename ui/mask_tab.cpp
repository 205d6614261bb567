#include "mask_tab.hpp"

#include "announcer.hpp"
#include "core/octet_rules.hpp"
#include "core/subnet_planning.hpp"
#include "core_text.hpp"
#include "inventory.hpp"
#include "message_boxes.hpp"
#include "ui/widgets/copy_menu.hpp"
#include "ui/widgets/option_group.hpp"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QMouseEvent>

namespace ui {
namespace {

std::optional<core::IpClass> selected(const QButtonGroup *group)
{
    const int id = group->checkedId();
    if (id < 0)
        return std::nullopt;
    return static_cast<core::IpClass>(id);
}

template <typename... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
// clang 14 deduces no aggregate's template arguments without a guide.
template <typename... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

MaskTab::MaskTab(const TabContext &context)
    : Tab(context.canvas)
    , messages_(context.messages)
{
    Inventory &inv = context.inventory;
    QWidget *frame2 = inv.frame(
        context.canvas, "Frame2", {240, 900, 7215, 4740}, 2, QString(), {.back = kGrey});
    const PanelLook leftMiddle {.placement = Panel3D::Placement::LeftMiddle};
    Panel3D *panel9 = inv.panel(frame2, "SSPanel9", {240, 240, 6855, 1215}, 3,
        tr(" Type de classe"), {.font = bold()}, leftMiddle);
    Panel3D *panel10 = inv.panel(frame2, "SSPanel10", {240, 1560, 6855, 1215}, 13,
        tr(" Masque Réseau"), {.font = bold()}, leftMiddle);
    Panel3D *panel13 = inv.panel(frame2, "SSPanel13", {240, 2880, 6855, 1740}, 23, QString());
    buildClassPanels(inv, panel9, panel10);
    buildSubnetPanel(inv, panel13);
    connectHandlers();
}

QString MaskTab::title() const
{
    return tr("&Calcul d'un Masque IP");
}

void MaskTab::buildClassPanels(Inventory &inv, Panel3D *panel9, Panel3D *panel10)
{
    const PanelLook sunken {.outer = Panel3D::Bevel::Inset};
    Panel3D *panel12
        = inv.panel(panel9, "SSPanel12", {3000, 240, 2535, 615}, 4, QString(), {}, sunken);
    Panel3D *panel11
        = inv.panel(panel10, "SSPanel11", {3000, 240, 2535, 615}, 14, QString(), {}, sunken);

    const char *const classes[3]
        = {QT_TR_NOOP("Classe A"), QT_TR_NOOP("Classe B"), QT_TR_NOOP("Classe C")};
    const int option1Widths[3] = {1095, 1335, 1095};
    SSOption1_ = new QButtonGroup(this);
    SSOption2_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        const QChar letter('A' + i);
        QRadioButton *address = inv.option(panel9, element("SSOption1", i),
            {1800, 120 + 360 * i, option1Widths[i], 255}, 11 - i, tr(classes[i]),
            {.accessible = tr("Type de classe, classe %1").arg(letter)});
        QRadioButton *mask
            = inv.option(panel10, element("SSOption2", i), {1800, 120 + 360 * i, 975, 255}, 21 - i,
                tr(classes[i]), {.accessible = tr("Masque réseau, classe %1").arg(letter)});
        SSOption1_->addButton(address, i);
        SSOption2_->addButton(mask, i);
    }
    for (QButtonGroup *group : {SSOption1_, SSOption2_})
        tabToSelectedOption(group);
    LBL_ValeurClasse_ = inv.label(
        panel9, "LBL_ValeurClasse", {5520, 480, 1215, 255}, 12, QString(), {.font = bold()});

    for (int i = 0; i < 4; ++i) {
        const auto octet = [i](const QString &name) {
            return WidgetLook {
                .font = classicFont(9.75, true), .disabled = true, .accessible = name.arg(i + 1)};
        };
        Adresse1_[i] = inv.textBox(panel12, element("Adresse1", i), {120 + 600 * i, 120, 495, 360},
            5 + i, QString(), octet(tr("Type de classe, adresse IP, octet %1")));
        smasque2_[i] = inv.textBox(panel11, element("smasque2", i), {120 + 600 * i, 120, 495, 360},
            18 - i, QString(), octet(tr("Masque réseau, octet %1")));
        Adresse1_[i]->installEventFilter(this);
    }
    BTN_Slash_ = inv.button(panel10, "BTN_Slash", {5640, 120, 1095, 495}, 114,
        //: The blanks wrap the caption onto two lines of the narrow button.
        tr("  Notation       &Slash"),
        {.font = bold(), .disabled = true, .accessible = tr("Notation slash du masque")});
    Slash_ = inv.label(panel10, "Slash", {5880, 720, 735, 375}, 22, QString(),
        {.font = classicFont(12, true), .text = QColor(0, 0, 255), .align = Qt::AlignHCenter});
    CopyMenu::attach(Slash_);
}

void MaskTab::buildSubnetPanel(Inventory &inv, Panel3D *panel13)
{
    inv.label(panel13, "Label9", {120, 120, 3135, 255}, 31, tr("Nombre de Sous-Réseaux désirés :"),
        {.font = bold()});
    NombreSousReseaux_ = inv.textBox(panel13, "NombreSousReseaux", {3240, 120, 615, 285}, 28,
        QString(), {.accessible = tr("Nombre de sous-réseaux désirés")});
    CMD_Calcul_ = inv.button(panel13, "CMD_Calcul", {3945, 120, 735, 255}, 26, tr("&Calcul"),
        {.font = bold(), .disabled = true, .accessible = tr("Calculer les sous-réseaux")});
    inv.label(panel13, "Label10", {120, 480, 3255, 255}, 30,
        tr("Stations possibles / Sous-Réseau :"), {.font = bold()});
    NbrStationsPossibles_ = inv.textBox(panel13, "NbrStationsPossibles", {3240, 480, 1455, 285}, 27,
        QString(),
        {.font = bold(), .disabled = true, .accessible = tr("Stations possibles par sous-réseau")});
    LBL_ListeReseau_ = inv.label(panel13, "LBL_ListeReseau", {4680, 720, 2055, 255}, 29,
        tr("xx Réseaux Possibles"), {.font = bold(), .align = Qt::AlignRight, .hidden = true});
    LST_Reseau_ = inv.list(panel13, "LST_Reseau", {3225, 960, 3495, 645}, 25,
        {.hidden = true, .accessible = tr("Liste des sous-réseaux possibles")});
    CMD_Quitter_ = inv.button(panel13, "CMD_Quitter", {120, 1080, 1215, 495}, 24, tr("&Quitter"),
        {.font = bold(), .accessible = tr("Quitter (onglet Calcul d'un masque IP)")});
    CopyMenu::attach(LST_Reseau_);
    CopyMenu::attach(NbrStationsPossibles_);
}

void MaskTab::connectHandlers()
{
    // A click on the option already selected changes nothing, so it runs nothing.
    connect(SSOption1_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            SSOption1_Click();
    });
    connect(SSOption2_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            SSOption2_Click();
    });
    for (int i = 0; i < 4; ++i) {
        connect(Adresse1_[i], &QLineEdit::textChanged, this, [this, i] { Adresse1_Change(i); });
        connect(smasque2_[i], &QLineEdit::textChanged, this, [this, i] { smasque2_Change(i); });
    }
    connect(NombreSousReseaux_, &QLineEdit::textChanged, this, &MaskTab::NombreSousReseaux_Change);
    connect(CMD_Calcul_, &QPushButton::clicked, this, &MaskTab::CMD_Calcul_Click);
    connect(BTN_Slash_, &QPushButton::clicked, this, &MaskTab::BTN_Slash_Click);
}

bool MaskTab::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 4; ++i) {
        if (watched != Adresse1_[i])
            continue;
        if (event->type() == QEvent::MouseButtonRelease)
            Adresse1_Click();
        // Focus that leaves for a message box or another window is not the user leaving the box.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                Adresse1_LostFocus();
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<core::IpClass> MaskTab::addressClass() const
{
    return selected(SSOption1_);
}
std::optional<core::IpClass> MaskTab::maskClass() const
{
    return selected(SSOption2_);
}

void MaskTab::resetResults()
{
    CMD_Calcul_->setEnabled(false);
    LBL_ListeReseau_->hide();
    LST_Reseau_->hide();
    LST_Reseau_->clear();
}

void MaskTab::select(QButtonGroup *group, core::IpClass ipClass)
{
    QAbstractButton *option = group->button(static_cast<int>(ipClass));
    option->setEnabled(true);
    option->setChecked(true); // runs the group's handler, nested, unless already selected
}

void MaskTab::SSOption1_Click()
{
    const core::IpClass ipClass = *addressClass();
    resetResults();
    NombreSousReseaux_->setText(QString());
    NombreSousReseaux_->setEnabled(ipClass != core::IpClass::C);
    BTN_Slash_->setEnabled(true);
    Slash_->setText(QString());
    for (QLineEdit *box : Adresse1_)
        box->setText(QString());
    for (QLineEdit *box : Adresse1_)
        box->setEnabled(true);
    for (QAbstractButton *option : SSOption2_->buttons())
        option->setEnabled(true);

    const core::ClassDefaults &defaults = core::Masque_Defaut(ipClass);
    LBL_ValeurClasse_->setText(translated(defaults.range));
    for (int k = 0; k < static_cast<int>(ipClass); ++k)
        SSOption2_->button(k)->setEnabled(false);
    select(SSOption2_, ipClass);
    for (std::size_t i = 0; i < Adresse1_.size(); ++i)
        Adresse1_[i]->setText(qt(defaults.address[i]));
}

void MaskTab::SSOption2_Click()
{
    const core::IpClass ipClass = *maskClass();
    resetResults();
    // The octets of the class's network part are fixed; the ones after it are the user's.
    for (int k = 0; k < 4; ++k)
        smasque2_[k]->setEnabled(k > static_cast<int>(ipClass));
    select(SSOption1_, ipClass);
    affiche_Mask();
}

void MaskTab::affiche_Mask()
{
    const std::optional<core::IpClass> ipClass = maskClass();
    if (!ipClass)
        return;
    const core::ClassDefaults &defaults = core::Masque_Defaut(*ipClass);
    for (std::size_t i = 0; i < smasque2_.size(); ++i)
        smasque2_[i]->setText(qt(defaults.mask[i]));
    if (NombreSousReseaux_->text().isEmpty())
        NbrStationsPossibles_->setText(qt(defaults.stations));
}

void MaskTab::Adresse1_Change(int index)
{
    if (!core::Verif_Octet(text(Adresse1_[index]))) {
        messages_.show(core::rangeRefusal());
        Adresse1_[index]->setText(QString());
    }
}

void MaskTab::Adresse1_Click()
{
    checkAddressClass();
}
void MaskTab::Adresse1_LostFocus()
{
    checkAddressClass();
}

void MaskTab::checkAddressClass()
{
    // Deliberate: only the first octet decides, whichever box the user is in.
    if (const auto refusal = core::Verif_ClasseAdresse(addressClass(), text(Adresse1_[0]))) {
        messages_.show(refusal->message);
        Adresse1_[0]->setText(qt(refusal->replacement));
    }
}

void MaskTab::NombreSousReseaux_Change()
{
    CMD_Calcul_->setEnabled(true);
}

void MaskTab::smasque2_Change(int)
{
    Slash_->setText(QString());
}

void MaskTab::BTN_Slash_Click()
{
    showSlash();
    if (!Slash_->text().isEmpty()) // a mask refused has said so in its box
        announce(Slash_, labelled(BTN_Slash_->accessibleName(), Slash_->text()));
}

void MaskTab::showSlash()
{
    std::visit(Overloaded {
                   [this](const std::string &slash) { Slash_->setText(qt(slash)); },
                   [this](const core::Message &refusal) {
                       Slash_->setText(QString());
                       messages_.show(refusal);
                   },
               },
        core::Calcul_Slash(text(smasque2_[1]), text(smasque2_[2]), text(smasque2_[3])));
}

void MaskTab::CMD_Calcul_Click()
{
    LBL_ListeReseau_->show();
    LST_Reseau_->show();
    Slash_->setText(QString());
    std::visit(Overloaded {
                   [this](const core::CountRefused &refused) {
                       messages_.show(refused.message);
                       NombreSousReseaux_->setText(QString());
                   },
                   [this](const core::AddressMissing &missing) { messages_.show(missing.message); },
                   [this](const core::SubnetPlan &plan) {
                       smasque2_[plan.octetIndex]->setText(qt(plan.maskOctet));
                       NbrStationsPossibles_->setText(qt(plan.stations));
                       LST_Reseau_->clear();
                       LBL_ListeReseau_->setText(translated(plan.caption));
                       for (const std::string &line : plan.lines)
                           LST_Reseau_->addItem(qt(line));
                       announce(LST_Reseau_,
                           LBL_ListeReseau_->text() + QStringLiteral(". ")
                               + labelled(NbrStationsPossibles_->accessibleName(),
                                   NbrStationsPossibles_->text()));
                   },
               },
        core::Calcul_SousReseaux(
            text(NombreSousReseaux_), addressClass(), maskClass(), texts(Adresse1_)));
}

void MaskTab::tabChanged()
{
    // Deliberate: the binary panel's flag is left alone, so after a tab change the switch button
    // still goes to the network it names.
    affiche_Mask();
}

} // namespace ui
