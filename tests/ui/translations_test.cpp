#include "context_menu.hpp"
#include "harness.hpp"
#include "ui/translations.hpp"

#include <QApplication>
#include <QListWidget>
#include <QMenu>

namespace {

using ui::Language;

struct Environment
{
    const char *language, *lcAll, *lcMessages, *lang;
    Language expected;
};

TEST(LanguageTest, TheFirstVariableSetDecidesAndOnlyEnglishLeavesFrench)
{
    const Environment cases[] = {
        {"", "", "", "", Language::French},
        {"", "", "", "C", Language::French},
        {"", "", "", "POSIX", Language::French},
        {"", "C.UTF-8", "", "en_US.UTF-8", Language::French},
        {"", "", "", "fr_FR.UTF-8", Language::French},
        {"", "", "", "de_DE.UTF-8", Language::French},
        {"", "", "", "en_GB.UTF-8", Language::English},
        {"", "", "", "en", Language::English},
        {"", "", "en_US.UTF-8", "fr_FR.UTF-8", Language::English},
        {"", "en_US.UTF-8", "fr_FR.UTF-8", "fr_FR.UTF-8", Language::English},
        {"", "en@quot", "", "", Language::English},
        {"en_GB:fr", "fr_FR.UTF-8", "", "fr_FR.UTF-8", Language::English},
        {"fr:en", "en_US.UTF-8", "", "en_US.UTF-8", Language::French},
        {"de:en", "", "", "en_US.UTF-8", Language::French},
        {":en", "", "", "fr_FR.UTF-8", Language::French}, // an empty first entry is no entry
        {"", "", "", "eo.UTF-8", Language::French},
        {"", "", "", "english", Language::French},
    };
    for (const Environment &c : cases) {
        EXPECT_EQ(ui::languageOf(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
            << "LANGUAGE=" << c.language << " LC_ALL=" << c.lcAll << " LC_MESSAGES=" << c.lcMessages
            << " LANG=" << c.lang;
    }
}

class TranslatedMenuTest : public test::WindowTest
{
protected:
    TranslatedMenuTest()
        : WindowTest(1)
    { }

    // The items of the menu a right click on a widget opens; the menu is closed again.
    QStringList menuItems(const QString &name)
    {
        QWidget *widget = find(name);
        test::rightClick(widget);
        QMenu *menu = test::openMenu();
        EXPECT_NE(menu, nullptr) << "no menu on " << name.toStdString();
        QStringList items;
        if (!menu)
            return items;
        for (const QAction *action : menu->actions())
            items << action->text().section(QLatin1Char('\t'), 0, 0); // less the shortcut
        menu->close();
        return items;
    }
    void planSixSubnets()
    {
        click("SSOption1(1)");
        typeOver("NombreSousReseaux", "6");
        click("CMD_Calcul");
    }
};

TEST_F(TranslatedMenuTest, ATextBoxMenuIsFrenchInFrench)
{
    const ui::Translations french(Language::French);
    ASSERT_TRUE(french.qtLoaded()) << "Qt's French texts are missing: qt6-translations-l10n";
    const QStringList items = menuItems("NombreSousReseaux");
    EXPECT_TRUE(items.contains("Cop&ier")) << items.join(", ").toStdString();
    EXPECT_TRUE(items.contains("Tout sélectionner")) << items.join(", ").toStdString();
}

TEST_F(TranslatedMenuTest, TheListMenuIsEnglishInEnglishOnlyWhileTheTranslationsAreInstalled)
{
    planSixSubnets();
    {
        const ui::Translations english(Language::English);
        EXPECT_EQ(menuItems("LST_Reseau"), (QStringList {"&Copy", "Copy &all"}));
        EXPECT_TRUE(menuItems("NombreSousReseaux").contains("Select All"));
    }
    EXPECT_EQ(menuItems("LST_Reseau"), (QStringList {"&Copier", "&Tout copier"}));
}

} // namespace
