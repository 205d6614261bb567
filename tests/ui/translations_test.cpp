#include "context_menu.hpp"
#include "harness.hpp"
#include "splash_clock.hpp"
#include "ui/core_text.hpp"
#include "ui/translations.hpp"
#include "ui/widgets/button.hpp"
#include "ui/widgets/captioned.hpp"
#include "ui/widgets/frame_3d.hpp"
#include "ui/widgets/panel_3d.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QXmlStreamReader>
#include <functional>
#include <map>

namespace {

class TranslatedMenuTest : public test::OnTab<1>
{
protected:
    // The items of the menu a right click on a widget opens; the menu is closed again.
    QStringList menuItems(const QString &name)
    {
        test::rightClick(find(name));
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
};

// With no translation installed the program's menus are in French, its own language, and Qt's
// in English, Qt's own.
TEST_F(TranslatedMenuTest, MenusSpeakTheLanguageOnlyWhileItsTranslationsAreInstalled)
{
    click("SSOption1(1)");
    typeOver("NombreSousReseaux", "6");
    click("CMD_Calcul");
    const QStringList ours = menuItems("LST_Reseau"), qts = menuItems("NombreSousReseaux");
    {
        const ui::Translations french("fr");
        ASSERT_TRUE(french.qtLoaded()) << "Qt's French texts are missing: qt6-translations-l10n";
        EXPECT_NE(menuItems("NombreSousReseaux"), qts);
        EXPECT_EQ(menuItems("LST_Reseau"), ours);
    }
    {
        const ui::Translations english("en");
        EXPECT_NE(menuItems("LST_Reseau"), ours);
    }
    EXPECT_EQ(menuItems("LST_Reseau"), ours);
    EXPECT_EQ(menuItems("NombreSousReseaux"), qts);
}

// Every text a user reads or hears from a window, by widget and kind: its title, the tab titles,
// the labels' and buttons' captions, the panels' and frames' captions and the accessible names.
using Texts = std::map<QString, QString>;

Texts shownTexts(const QWidget &root)
{
    Texts texts {{"window title", root.windowTitle()}};
    for (const QWidget *widget : root.findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty())
            continue;
        if (!widget->accessibleName().isEmpty())
            texts[name + " accessible name"] = widget->accessibleName();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts[name + " caption"] = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts[name + " caption"] = button->text();
        else if (const auto *captioned = qobject_cast<const ui::Captioned *>(widget))
            texts[name + " caption"] = captioned->caption();
        else if (const auto *tabs = qobject_cast<const QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts[name + " tab " + QString::number(i)] = tabs->tabText(i);
        }
    }
    return texts;
}

// Goes through every tab so that each handler writes its captions and the core says each of its
// messages at least once; at(when) looks at the window after each step that writes captions.
void useEveryTab(test::OwnMainWindow &own, const std::function<void(const QString &)> &at)
{
    at("as built");
    own.select(1);
    for (int i = 0; i < 3; ++i) {
        own.click(own.element("SSOption1", i));
        at("the range of class " + QString::number(i));
    }
    own.click("SSOption1(0)");
    own.typeOver("NombreSousReseaux", "200");
    own.click("CMD_Calcul");
    EXPECT_TRUE(own.find("LST_Reseau")->isVisible());
    own.click("BTN_Slash");
    at("254 subnets, the longest count");
    own.click("SSOption1(1)");
    own.typeOver("Adresse1(0)", "5");
    own.click("Adresse1(1)"); // not a class B first octet
    own.typeOver("NombreSousReseaux", "300");
    own.click("CMD_Calcul"); // too many subnets
    own.typeOver("Adresse1(2)", "\b");
    own.typeOver("NombreSousReseaux", "6");
    own.click("CMD_Calcul"); // an octet missing
    own.typeOver("Adresse1(2)", "0");
    own.click("CMD_Calcul");
    own.click("BTN_Slash");

    own.select(0);
    for (const char *first : {"10", "172", "192", "230"}) {
        own.typeOver("AdresseIP1(0)", first);
        own.typeOver("AdresseIP2(0)", first);
        at(QString("the frames named for the first octet ") + first);
    }
    own.typeOver("AdresseIP1(0)", "300"); // out of range
    const char *network1[] = {"192", "168", "1", "0"};
    const char *network2[] = {"192", "168", "2", "5"}; // an address octet under a mask of 0
    for (int i = 0; i < 4; ++i) {
        own.typeOver(own.element("AdresseIP1", i), network1[i]);
        own.typeOver(own.element("AdresseIP2", i), network2[i]);
    }
    own.click("CMD_Verification"); // the second network refused
    own.typeOver("AdresseIP2(3)", "0");
    own.typeOver("AdresseIP1(3)", "5");
    own.click("CMD_Verification"); // the first network refused
    own.typeOver("AdresseIP1(3)", "0");
    own.click("CMD_Verification"); // two networks
    own.typeOver("AdresseIP2(2)", "1");
    own.click("CMD_Verification"); // one network
    own.click("SSCHK_AffichageBinaire");
    EXPECT_TRUE(own.find("SSPanelAffichage")->isVisible());
    at("binary panel, first network");
    own.click("CMD_AutreReseau");
    at("binary panel, second network");

    own.select(2);
    own.typeOver("Nombre1", "200");
    own.typeOver("Nombre2", "100");
    at("binary sum");
}

// The captions of a window that do not fit the room their box leaves them, as "name: caption".
QStringList misfits(const QWidget &root)
{
    QStringList found;
    const auto fits = [&](const QWidget *widget, const QString &caption, bool fit) {
        if (!fit)
            found << widget->objectName() + ": " + caption;
    };
    for (const QWidget *widget : root.findChildren<QWidget *>()) {
        const QFontMetrics metrics(widget->font());
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                fits(label, label->text(),
                    room.contains(metrics.boundingRect(
                        room, Qt::TextWordWrap | label->alignment(), label->text())));
            } else {
                fits(
                    label, label->text(), metrics.horizontalAdvance(label->text()) <= room.width());
            }
        } else if (const auto *button = qobject_cast<const ui::Button *>(widget)) {
            // Its face less the edges, where the caption wraps at its blanks; its lines may take
            // the edges' height too, as a single line does on the low buttons.
            const QRect room = button->rect().adjusted(4, 3, -4, -3);
            const QString caption = button->text().trimmed();
            const QRect need = metrics.boundingRect(
                room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
            fits(
                button, caption, need.width() <= room.width() && need.height() <= button->height());
        } else if (const auto *option = qobject_cast<const QAbstractButton *>(widget);
                   qobject_cast<const QCheckBox *>(widget)
                   || qobject_cast<const QRadioButton *>(widget)) {
            const QString caption = QString(option->text()).remove('&');
            // The check or option indicator and its gap.
            fits(option, caption, metrics.horizontalAdvance(caption) <= option->width() - 20);
        } else if (const auto *panel = qobject_cast<const ui::Panel3D *>(widget)) {
            fits(panel, panel->caption(),
                metrics.horizontalAdvance(panel->caption()) <= panel->width() - 8);
        } else if (const auto *frame = qobject_cast<const ui::Frame3D *>(widget)) {
            fits(frame, frame->caption(),
                metrics.horizontalAdvance(frame->caption()) <= frame->width() - 12);
        } else if (const auto *bar = qobject_cast<const QTabBar *>(widget)) {
            const int margin = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
            for (int i = 0; i < bar->count(); ++i) {
                const QString title = QString(bar->tabText(i)).remove('&');
                fits(bar, title,
                    metrics.horizontalAdvance(title) + margin <= bar->tabRect(i).width());
            }
        }
    }
    return found;
}

// In every language carried: each translation's wording is chosen to fit the inventory's sizes.
// The translations are installed before the windows are built.
class CaptionFitTest : public ::testing::TestWithParam<QString>,
                       protected ui::Translations,
                       protected test::OwnMainWindow
{
protected:
    CaptionFitTest()
        : Translations(GetParam())
    {
        window.show();
    }
};

TEST_P(CaptionFitTest, FitsEveryCaptionInItsBoxAsBuiltAsTheHandlersWriteThemAndOnTheSplash)
{
    // The window speaks the language the test is about.
    EXPECT_EQ(find<QTabWidget>("SSpanel")->tabText(2) == "&Somme Binaire", GetParam() == "fr");
    useEveryTab(*this, [&](const QString &when) {
        EXPECT_EQ(misfits(window), QStringList()) << when.toStdString();
    });
    ui::Apropos splash;
    test::SplashClock clock(splash);
    splash.Form_Load();
    EXPECT_EQ(misfits(splash), QStringList()) << "the splash's title and credit";
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CaptionFitTest, ::testing::ValuesIn(ui::carriedLanguages()),
    [](const auto &info) { return info.param.toStdString(); });

// Texts that read the same in both languages: the echo request's own words, the program's name
// and version, and texts without a letter (bit numbers, dots, a slash mask).
bool sameInBothLanguages(const QString &text)
{
    static const QStringList same {"Ping", "Echo Reply", "Request TimeOut",
        QStringLiteral("v%1 Resomar ").arg(RESOMAR_VERSION)};
    return same.contains(text)
        || std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

TEST(EnglishWindowsTest, EveryTextOfTheWindowsTheSplashAndTheMessageBoxesIsInEnglish)
{
    // What the windows show in one language as the user goes through every tab, with Qt's own
    // texts in that language too: the texts at each step, keyed by the step, each message box's
    // title and text in the order shown, and the splash's texts.
    const auto see = [](const QString &language) {
        const ui::Translations translations(language);
        Texts seen;
        test::OwnMainWindow own;
        own.window.show();
        useEveryTab(own, [&](const QString &when) {
            for (const auto &[key, text] : shownTexts(own.window))
                seen[when + ": " + key] = text;
        });
        for (std::size_t i = 0; i < own.messages.shown.size(); ++i) {
            const core::Message &message = own.messages.shown[i];
            seen["message " + QString::number(i)]
                = ui::translated(message.title) + ": " + ui::translated(message.text);
        }
        ui::Apropos splash;
        test::SplashClock clock(splash);
        splash.Form_Load();
        for (const auto &[key, text] : shownTexts(splash))
            seen["splash: " + key] = text;
        return seen;
    };
    const Texts french = see("fr");
    const Texts english = see("en");

    // Each English text differs from the French one in its place, unless it reads the same in
    // both, and has no French letter left in it.
    ASSERT_EQ(english.size(), french.size());
    for (const auto &[key, text] : english) {
        ASSERT_TRUE(french.count(key)) << key;
        const QString &original = french.at(key);
        if (!sameInBothLanguages(original)) {
            EXPECT_NE(text, original) << key << " is left in French";
        }
        EXPECT_TRUE(
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            << key << ": " << text;
    }
    // A few whole texts, to see that the right translation is in each place.
    EXPECT_EQ(english.at("as built: SSpanel tab 1"), "IP &Mask Calculation");
    EXPECT_EQ(english.at("binary sum: LBL_ListeReseau caption"), "6 possible subnets");
    EXPECT_EQ(english.at("binary sum: LBL_ValeurClasse caption"), "128 to 191");
    EXPECT_EQ(english.at("splash: window title"), "About Resomar");
    const QString different = "Check: These 2 IP networks are different. You will need to install "
                              "routers between them.";
    EXPECT_TRUE(std::any_of(english.begin(), english.end(),
        [&](const auto &text) { return text.second == different; }));
}

// The choice among the user's languages in order, as Windows' settings list them and as Qt reads
// LANGUAGE on Unix: the first that is French or carried, found by its language alone when its
// territory has no translation of its own; French when none is carried.
TEST(LanguageChoiceTest, TheFirstCarriedOfTheUsersLanguagesWins)
{
    const QString uncarried = "zu-ZA";
    ASSERT_FALSE(ui::carriedLanguages().contains("zu"));
    EXPECT_EQ(ui::firstCarried({}), "fr");
    EXPECT_EQ(ui::firstCarried({uncarried}), "fr");
    for (const QString &language : ui::carriedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const QString withTerritory = QLocale(language).name().replace('_', '-'); // de-DE
        EXPECT_EQ(ui::firstCarried({uncarried, withTerritory, "fr-FR"}), language);
        EXPECT_EQ(ui::firstCarried({"fr-CA", language}), "fr");
    }
}

// Every entry of each translation file is finished, and the translation embedded in the program
// gives it: the files are read where the sources were scanned into them, each embedded one as the
// program loads it.
using TranslationFileTest = ::testing::TestWithParam<QString>;

TEST_P(TranslationFileTest, EveryEntryIsFinishedAndEmbedded)
{
    QFile file(QStringLiteral(RESOMAR_I18N_DIR "/") + GetParam());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName();
    const QString language = GetParam().section('.', 0, 0).section('_', 1);
    ASSERT_TRUE(ui::carriedLanguages().contains(language)) << language;
    QTranslator embedded;
    ASSERT_TRUE(embedded.load(":/i18n/resomar_" + language));
    QXmlStreamReader ts(&file);
    QString context, source;
    int entries = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == u"name") {
            context = ts.readElementText();
        } else if (ts.name() == u"source") {
            source = ts.readElementText();
        } else if (ts.name() == u"translation") {
            const QString type = ts.attributes().value("type").toString();
            const QString translation = ts.readElementText();
            if (type == "vanished" || type == "obsolete")
                continue; // kept by lupdate for a text the sources no longer have
            ++entries;
            EXPECT_NE(type, QStringLiteral("unfinished")) << context << ": " << source;
            EXPECT_FALSE(translation.isEmpty()) << context << ": " << source;
            EXPECT_EQ(embedded.translate(context.toUtf8(), source.toUtf8()), translation)
                << context << ": " << source;
        }
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString();
    EXPECT_GT(entries, 90);
}

INSTANTIATE_TEST_SUITE_P(EveryFile, TranslationFileTest,
    ::testing::ValuesIn(QDir(RESOMAR_I18N_DIR).entryList({"resomar_*.ts"})),
    [](const auto &info) { return info.param.section('.', 0, 0).toStdString(); });

} // namespace
