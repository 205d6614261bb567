#include "harness.hpp"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QSet>
#include <QToolButton>

namespace {

using AccessibilityTest = test::OnTab<1>;

TEST_F(AccessibilityTest, EveryControlHasItsOwnFrenchName)
{
    QSet<QString> seen;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        // The boxes and buttons, less the tab bar's own scroll arrows.
        if (!qobject_cast<QLineEdit *>(control)
            && (!qobject_cast<QAbstractButton *>(control) || qobject_cast<QToolButton *>(control)))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        SCOPED_TRACE(control->objectName().toStdString());
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty());
        EXPECT_FALSE(seen.contains(name)) << "repeats " << name;
        seen << name;
    }
    EXPECT_TRUE(seen.contains("1er réseau, adresse, octet 1"));
}

TEST_F(AccessibilityTest, NamesSayWhatTheCaptionDoesNot)
{
    // One of each kind: a screen reader names the tab of a quit button, the place of an octet
    // as the user counts it, and the exponent and weight of a bit.
    const std::pair<const char *, const char *> cases[] = {
        {"CMD2_Quitter", "Quitter (onglet Réseaux identiques)"},
        {"Masque2(0)", "2ème réseau, masque, octet 1"},
        {"Adresse1(3)", "Type de classe, adresse IP, octet 4"},
        {"SSOption2(1)", "Masque réseau, classe B"},
        {"Bit2(7)", "2ème nombre, bit 0 (poids 1)"},
        {"BTN_Slash", "Notation slash du masque"},
        {"TXT_Resultat1", "Affichage binaire, résultat"},
    };
    for (const auto &[name, expected] : cases)
        EXPECT_EQ(find(name)->accessibleName(), expected) << name;
}

} // namespace
