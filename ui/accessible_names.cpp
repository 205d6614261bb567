#include "accessible_names.hpp"

#include <QWidget>

namespace ui {
namespace {

struct Name
{
    const char *widget;
    const char *name;
};

// Single widgets, by inventory name.
const Name kNames[] = {
    {"CMD2_Quitter", "Quitter (onglet Réseaux identiques)"},
    {"CMD_Quitter", "Quitter (onglet Calcul d'un masque IP)"},
    {"CMD1_Quitter", "Quitter (onglet Somme binaire)"},
    {"CMD_Effacer", "Effacer les deux réseaux"},
    {"CMD_Verification", "Vérifier si les deux réseaux sont identiques"},
    {"SSCHK_AffichageBinaire", "Affichage binaire"},
    {"CMD_AutreReseau", "Afficher l'autre réseau en binaire"},
    {"TXT_Adresse1", "Affichage binaire, adresse"},
    {"TXT_Masque1", "Affichage binaire, masque"},
    {"TXT_Resultat1", "Affichage binaire, résultat"},
    {"BTN_Slash", "Notation slash du masque"},
    {"NombreSousReseaux", "Nombre de sous-réseaux désirés"},
    {"CMD_Calcul", "Calculer les sous-réseaux"},
    {"NbrStationsPossibles", "Stations possibles par sous-réseau"},
    {"LST_Reseau", "Liste des sous-réseaux possibles"},
    {"Nombre1", "1er nombre"},
    {"Nombre2", "2ème nombre"},
    {"Nombre3", "Résultat de la somme binaire"},
};

// Arrays, by the name of the array: "%1" is the element's place as the user counts it.
const Name kArrays[] = {
    {"AdresseIP1", "1er réseau, adresse, octet %1"},
    {"masque1", "1er réseau, masque, octet %1"},
    {"AdresseIP2", "2ème réseau, adresse, octet %1"},
    {"Masque2", "2ème réseau, masque, octet %1"},
    {"Adresse1", "Type de classe, adresse IP, octet %1"},
    {"smasque2", "Masque réseau, octet %1"},
};

} // namespace

void nameForAccessibility(QWidget *window)
{
    const auto named = [window](const QString &widget, const QString &name) {
        if (QWidget *found = window->findChild<QWidget *>(widget))
            found->setAccessibleName(name);
    };
    for (const Name &entry : kNames)
        named(entry.widget, entry.name);
    for (const Name &array : kArrays) {
        for (int i = 0; i < 4; ++i)
            named(
                QStringLiteral("%1(%2)").arg(array.widget).arg(i), QString(array.name).arg(i + 1));
    }
    for (int i = 0; i < 3; ++i) {
        named(QStringLiteral("SSOption1(%1)").arg(i),
            QStringLiteral("Type de classe, classe %1").arg(QChar('A' + i)));
        named(QStringLiteral("SSOption2(%1)").arg(i),
            QStringLiteral("Masque réseau, classe %1").arg(QChar('A' + i)));
    }
    // The bit boxes stand under the exponents 7 to 0 and the weights 128 to 1.
    const char *const rows[] = {"1er nombre", "2ème nombre", "Résultat"};
    for (int row = 0; row < 3; ++row) {
        for (int p = 0; p < 8; ++p) {
            named(QStringLiteral("Bit%1(%2)").arg(row + 1).arg(p),
                QStringLiteral("%1, bit %2 (poids %3)")
                    .arg(rows[row])
                    .arg(7 - p)
                    .arg(1 << (7 - p)));
        }
    }
}

} // namespace ui
