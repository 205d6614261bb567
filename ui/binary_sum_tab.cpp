#include "binary_sum_tab.hpp"

#include "announcer.hpp"
#include "core/message.hpp"
#include "core_text.hpp"
#include "inventory.hpp"
#include "message_boxes.hpp"
#include "ui/widgets/copy_menu.hpp"

namespace ui {
namespace {

// A box keeps a text it already shows: each write tells a screen reader of a deletion and an
// insertion all the same, and the two dozen of a keystroke made Orca drop what came after them.
void write(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

// The three rows: operand 1, operand 2 and the result, each a panel with its number box and an
// inner panel holding the eight bit boxes.
struct Row
{
    const char *panel, *caption, *number, *numberName, *bitsPanel, *bits, *bitName;
    int top, panelFocus, numberFocus, bitsPanelFocus;
    int bitsBase, bitsStep; // focus order of bit p: bitsBase + bitsStep * p
};
const Row rows[3] = {
    {"SSPanel3", QT_TRANSLATE_NOOP("ui::BinarySumTab", " 1er Nombre"), "Nombre1",
        QT_TRANSLATE_NOOP("ui::BinarySumTab", "1er nombre"), "SSPanel4", "Bit1",
        QT_TRANSLATE_NOOP("ui::BinarySumTab", "1er nombre, bit %1 (poids %2)"), 960, 77, 78, 79, 87,
        -1},
    {"SSPanel5", QT_TRANSLATE_NOOP("ui::BinarySumTab", " 2ème Nombre"), "Nombre2",
        QT_TRANSLATE_NOOP("ui::BinarySumTab", "2ème nombre"), "SSPanel6", "Bit2",
        QT_TRANSLATE_NOOP("ui::BinarySumTab", "2ème nombre, bit %1 (poids %2)"), 2160, 88, 89, 90,
        91, 1},
    {"SSPanel7", QT_TRANSLATE_NOOP("ui::BinarySumTab", " Résultat"), "Nombre3",
        QT_TRANSLATE_NOOP("ui::BinarySumTab", "Résultat de la somme binaire"), "SSPanel8", "Bit3",
        QT_TRANSLATE_NOOP("ui::BinarySumTab", "Résultat, bit %1 (poids %2)"), 3240, 99, 100, 101,
        109, -1},
};

} // namespace

BinarySumTab::BinarySumTab(const TabContext &context)
    : Tab(context.canvas)
    , messages_(context.messages)
{
    Inventory &inv = context.inventory;
    Frame3D *frame5 = inv.frame(context.canvas, "SSFrame5", {165, 780, 7455, 4215}, 76, QString());
    CMD1_Quitter_ = inv.button(context.canvas, "CMD1_Quitter", {240, 5040, 1215, 495}, 1,
        tr("&Quitter"), {.font = bold(), .accessible = tr("Quitter (onglet Somme binaire)")});

    inv.label(frame5, "Label4", {120, 240, 3495, 255}, 113,
        tr("Permet de faire des sommes binaires"), {.font = bold()});
    inv.label(frame5, "Label8", {4440, 240, 2055, 135}, 110,
        "7     6      5     4    3     2     1     0",
        {.font = classicFont(6, false, Face::Serif), .text = QColor(0, 0, 255), .back = kGrey});
    inv.label(frame5, "Label7", {4200, 360, 2535, 255}, 111, "    2   2   2   2   2   2   2   2",
        {.text = QColor(255, 255, 0)});
    inv.label(frame5, "Label6", {4200, 600, 2055, 255}, 112, "128 64 32 16   8   4   2   1",
        {.text = Qt::black});

    Nombre1_ = buildRow(inv, frame5, 0, Bit1_);
    Nombre2_ = buildRow(inv, frame5, 1, Bit2_);
    Nombre3_ = buildRow(inv, frame5, 2, Bit3_);

    connect(Nombre1_, &QLineEdit::textChanged, this, &BinarySumTab::Nombre1_Change);
    connect(Nombre2_, &QLineEdit::textChanged, this, &BinarySumTab::Nombre2_Change);
}

QString BinarySumTab::title() const
{
    return tr("&Somme Binaire");
}

QLineEdit *BinarySumTab::buildRow(Inventory &inv, QWidget *frame5, int r, BitBoxes &bits)
{
    const Row &row = rows[r];
    Panel3D *outer = inv.panel(frame5, row.panel, {120, row.top, 7095, 735}, row.panelFocus,
        tr(row.caption), {.font = bold()},
        {.placement = Panel3D::Placement::LeftMiddle, .inner = Panel3D::Bevel::Inset});
    QLineEdit *number = inv.textBox(outer, row.number, {1320, 240, 375, 285}, row.numberFocus,
        QString(), {.accessible = tr(row.numberName)});
    Panel3D *inner = inv.panel(outer, row.bitsPanel, {1920, 120, 5055, 495}, row.bitsPanelFocus,
        tr(" Représentation binaire "), {.font = bold()},
        {.placement = Panel3D::Placement::LeftMiddle});
    for (int p = 0; p < 8; ++p) {
        // The bit boxes stand under the exponents 7 to 0 and the weights 128 to 1.
        QLineEdit *box = inv.textBox(inner, element(row.bits, p), {2160 + 240 * p, 120, 255, 285},
            row.bitsBase + row.bitsStep * p, p == 0 ? QString() : QStringLiteral(" "),
            {.font = classicFont(6.75, true, Face::Serif),
                .disabled = true,
                .accessible = tr(row.bitName).arg(7 - p).arg(1 << (7 - p))});
        box->setAlignment(Qt::AlignCenter);
        bits[p] = box;
    }
    CopyMenu::attach(std::vector<QLineEdit *>(bits.begin(), bits.end()));
    return number;
}

void BinarySumTab::Nombre1_Change()
{
    numberChanged(Nombre1_, Bit1_);
}
void BinarySumTab::Nombre2_Change()
{
    numberChanged(Nombre2_, Bit2_);
}

void BinarySumTab::numberChanged(QLineEdit *number, const BitBoxes &bits)
{
    if (!core::Verif_Nombre(text(number))) {
        messages_.show(core::rangeRefusal());
        number->setText(QString()); // runs this handler again on the empty text
    }
    const core::BitRow row = core::Conversion_Binaire(text(number));
    for (std::size_t p = 0; p < bits.size(); ++p)
        write(bits[p], qt(row[p]));
    showSum();
    announceAfterTyping(number,
        labelled(number->accessibleName(), spokenBits(bits)) + QStringLiteral(". ")
            + labelled(Nombre3_->accessibleName(), spokenBits(Bit3_)));
}

void BinarySumTab::showSum()
{
    core::BitRow a, b;
    for (std::size_t p = 0; p < a.size(); ++p) {
        a[p] = text(Bit1_[p]);
        b[p] = text(Bit2_[p]);
    }
    const core::BinarySum sum = core::Somme_Binaire(a, b);
    for (std::size_t p = 0; p < sum.bits.size(); ++p)
        write(Bit3_[p], qt(sum.bits[p]));
    write(Nombre3_, qt(sum.value));
}

} // namespace ui
