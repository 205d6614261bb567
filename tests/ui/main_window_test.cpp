#include "harness.hpp"
#include "splash_clock.hpp"
#include "ui/widgets/button.hpp"
#include "ui/widgets/frame_3d.hpp"
#include "ui/widgets/line_shape.hpp"
#include "ui/widgets/panel_3d.hpp"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QTabBar>

namespace {

QStringList elements(const QString &array, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << test::WindowDriver::element(array, i);
    return names;
}

// Every named widget of the main window, as the inventory lists them.
QSet<QString> inventory()
{
    QStringList all {"SSpanel", "Frame1", "Frame2", "SSFrame5", "CMD1_Quitter", "Label1",
        "SSPanel1", "SSPanel2", "SSPanelAffichage", "PICT_PC1", "PICT_PC2", "LINE_Ping",
        "LINE_Retour", "LBL_Ping", "LBL_echo", "CMD2_Quitter", "CMD_Effacer", "CMD_Verification",
        "SSCHK_AffichageBinaire", "SSFrame1", "SSFrame2", "SSFrame3", "SSFrame4", "SSPanel14",
        "SSPanel15", "SSPanel16", "CMD_AutreReseau", "TXT_Adresse1", "TXT_Masque1", "TXT_Resultat1",
        "SSPanel9", "SSPanel10", "SSPanel13", "SSPanel12", "LBL_ValeurClasse", "SSPanel11",
        "BTN_Slash", "Slash", "Label9", "NombreSousReseaux", "CMD_Calcul", "Label10",
        "NbrStationsPossibles", "LBL_ListeReseau", "LST_Reseau", "CMD_Quitter", "Label4", "Label8",
        "Label7", "Label6", "SSPanel3", "SSPanel4", "SSPanel5", "SSPanel6", "SSPanel7", "SSPanel8",
        "Nombre1", "Nombre2", "Nombre3"};
    for (const char *group :
        {"AdresseIP1", "masque1", "AdresseIP2", "Masque2", "Adresse1", "smasque2"})
        all << elements(group, 4);
    all << elements("Label2", 12) << elements("SSOption1", 3) << elements("SSOption2", 3);
    for (const char *row : {"Bit1", "Bit2", "Bit3"})
        all << elements(row, 8);
    return QSet<QString>(all.begin(), all.end());
}

class MainWindowTest : public test::OnTab<1>
{
protected:
    QList<QWidget *> named()
    {
        QList<QWidget *> result;
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            if (inventory().contains(widget->objectName()))
                result << widget;
        }
        return result;
    }
};

TEST_F(MainWindowTest, LoadsItsCaptionAndTabs)
{
    EXPECT_EQ(window.windowTitle(), "v" RESOMAR_VERSION " Resomar ");
    EXPECT_EQ(window.objectName(), "Resomar");
    EXPECT_EQ(window.size(), QSize(516, 428));
    EXPECT_FALSE(window.windowIcon().isNull());
    const auto *tabs = find<QTabWidget>("SSpanel");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "&Réseaux Identiques ?");
    EXPECT_EQ(tabs->tabText(1), "&Calcul d'un Masque IP");
    EXPECT_EQ(tabs->tabText(2), "&Somme Binaire");
}

TEST_F(MainWindowTest, OpensCentredOnTheMiddleTab)
{
    const test::OwnMainWindow fresh;
    EXPECT_EQ(fresh.find<QTabWidget>("SSpanel")->currentIndex(), 1);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(fresh.window.pos(),
        screen.topLeft() + QPoint(screen.width() / 2 - 258, screen.height() / 2 - 214));
}

TEST_F(MainWindowTest, NamesEveryWidgetOfTheInventoryOnce)
{
    QStringList seen;
    for (QWidget *widget : named())
        seen << widget->objectName();
    seen.sort();
    QStringList expected = inventory().values();
    expected.sort();
    EXPECT_EQ(seen, expected);
}

TEST_F(MainWindowTest, PutsWidgetsInTheirContainers)
{
    const std::pair<const char *, const char *> cases[]
        = {{"Label1", "Frame1"}, {"SSFrame1", "SSPanel1"}, {"SSFrame4", "SSPanel2"},
            {"AdresseIP1(0)", "SSFrame1"}, {"masque1(3)", "SSFrame2"}, {"Masque2(1)", "SSFrame4"},
            {"Label2(5)", "SSFrame2"}, {"Label2(9)", "SSFrame4"}, {"TXT_Masque1", "SSPanel15"},
            {"CMD_AutreReseau", "SSPanelAffichage"}, {"SSCHK_AffichageBinaire", "Frame1"},
            {"Adresse1(2)", "SSPanel12"}, {"smasque2(0)", "SSPanel11"},
            {"SSOption2(1)", "SSPanel10"}, {"LST_Reseau", "SSPanel13"}, {"BTN_Slash", "SSPanel10"},
            {"Bit2(4)", "SSPanel6"}, {"Nombre3", "SSPanel7"}, {"SSPanel3", "SSFrame5"}};
    for (const auto &[name, container] : cases)
        EXPECT_EQ(find(name)->parentWidget()->objectName(), container) << name;

    // The three tabs' top widgets sit on their own tab.
    const auto *tabs = find<QTabWidget>("SSpanel");
    const std::pair<const char *, int> tops[]
        = {{"Frame1", 0}, {"Frame2", 1}, {"SSFrame5", 2}, {"CMD1_Quitter", 2}};
    for (const auto &[name, tab] : tops)
        EXPECT_TRUE(tabs->widget(tab)->isAncestorOf(find(name))) << name;
}

TEST_F(MainWindowTest, StartsWithOnlyTheListedWidgetsHiddenOrDisabled)
{
    QSet<QString> hidden, disabled;
    for (QWidget *widget : named()) {
        if (widget->isHidden())
            hidden << widget->objectName();
        if (!widget->isEnabled())
            disabled << widget->objectName();
    }
    const QStringList expectedHidden {"SSPanelAffichage", "SSPanel14", "SSPanel15", "SSPanel16",
        "PICT_PC1", "PICT_PC2", "LINE_Ping", "LINE_Retour", "LBL_Ping", "LBL_echo",
        "LBL_ListeReseau", "LST_Reseau"};
    QStringList expectedDisabled {
        "CMD_Verification", "BTN_Slash", "CMD_Calcul", "NbrStationsPossibles"};
    expectedDisabled << elements("Adresse1", 4) << elements("smasque2", 4) << elements("Bit1", 8)
                     << elements("Bit2", 8) << elements("Bit3", 8);
    EXPECT_EQ(hidden, QSet<QString>(expectedHidden.begin(), expectedHidden.end()));
    EXPECT_EQ(disabled, QSet<QString>(expectedDisabled.begin(), expectedDisabled.end()));
}

TEST_F(MainWindowTest, EveryWidgetLiesWholeWithinItsContainer)
{
    for (QWidget *widget : named()) {
        // The tab control stands out of the window by one pixel right and two below, as the
        // inventory draws it, and the lines cover their container.
        if (widget->objectName() == "SSpanel" || qobject_cast<ui::LineShape *>(widget))
            continue;
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << widget->objectName() << " at " << widget->geometry().x() << ","
            << widget->geometry().y() << " in " << widget->parentWidget()->objectName();
    }
}

TEST_F(MainWindowTest, BitColumnsStandUnderTheirHeaders)
{
    auto *frame = find("SSFrame5");
    const auto left = [&](const QString &name) { return find(name)->mapTo(frame, QPoint()).x(); };
    // The exponents and weights start over the bits of weight 128, and the three rows line up.
    EXPECT_EQ(left("Label6"), left("Bit1(0)"));
    EXPECT_EQ(left("Label7"), left("Bit1(0)"));
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(left(element("Bit2", p)), left(element("Bit1", p))) << p;
        EXPECT_EQ(left(element("Bit3", p)), left(element("Bit1", p))) << p;
    }
}

TEST_F(MainWindowTest, GivesWidgetsTheirColours)
{
    EXPECT_EQ(find<ui::Panel3D>("SSPanelAffichage")->captionColor(), QColor(255, 0, 0));
    EXPECT_EQ(find<ui::Panel3D>("SSPanel1")->backColor(), QColor(192, 192, 192));
    EXPECT_EQ(box("TXT_Resultat1")->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(box("TXT_Resultat1")->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(box("TXT_Adresse1")->palette().color(QPalette::Base), QColor(192, 255, 255));
    EXPECT_EQ(find<QLabel>("LBL_echo")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(find<QLabel>("Label7")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_EQ(
        find<QLabel>("LBL_ListeReseau")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
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
class CaptionFitTest : public ::testing::TestWithParam<QString>,
                       protected test::InLanguage,
                       protected test::OwnMainWindow
{
protected:
    CaptionFitTest()
        : InLanguage(GetParam())
    {
        window.show();
    }
};

TEST_P(CaptionFitTest, FitsEveryCaptionInItsBoxAsBuiltAndAsTheHandlersWriteThem)
{
    // The window speaks the language the test is about.
    EXPECT_EQ(find<QTabWidget>("SSpanel")->tabText(2) == "&Somme Binaire", GetParam() == "fr");
    EXPECT_EQ(misfits(window), QStringList()) << "as built";

    // The classes' ranges, and the longest count of subnets.
    select(1);
    for (int i = 0; i < 3; ++i) {
        click(element("SSOption1", i));
        EXPECT_EQ(misfits(window), QStringList()) << "class " << i;
    }
    click("SSOption1(0)");
    typeOver("NombreSousReseaux", "200");
    click("CMD_Calcul");
    ASSERT_TRUE(find("LST_Reseau")->isVisible());
    click("BTN_Slash");
    EXPECT_EQ(misfits(window), QStringList()) << "254 subnets";

    // The address frames name each class, and the binary panel either network.
    select(0);
    for (const char *first : {"10", "172", "192", "230"}) {
        typeOver("AdresseIP1(0)", first);
        typeOver("AdresseIP2(0)", first);
        EXPECT_EQ(misfits(window), QStringList()) << "first octet " << first;
    }
    click("SSCHK_AffichageBinaire");
    ASSERT_TRUE(find("SSPanelAffichage")->isVisible());
    EXPECT_EQ(misfits(window), QStringList()) << "binary panel, first network";
    click("CMD_AutreReseau");
    EXPECT_EQ(misfits(window), QStringList()) << "binary panel, second network";
}

TEST_P(CaptionFitTest, FitsTheSplashsTitleAndCredit)
{
    ui::Apropos splash;
    test::SplashClock clock(splash);
    splash.Form_Load();
    EXPECT_EQ(misfits(splash), QStringList());
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CaptionFitTest, ::testing::ValuesIn(ui::carriedLanguages()),
    [](const auto &info) { return info.param.toStdString(); });

TEST_F(MainWindowTest, EachQuitButtonClosesTheWindow)
{
    const std::pair<const char *, int> buttons[]
        = {{"CMD_Quitter", 1}, {"CMD1_Quitter", 2}, {"CMD2_Quitter", 0}};
    for (const auto &[name, tab] : buttons) {
        test::OwnMainWindow fresh;
        fresh.window.show();
        fresh.select(tab);
        fresh.click(name);
        EXPECT_FALSE(fresh.window.isVisible()) << name;
        EXPECT_TRUE(fresh.messages.shown.empty()) << name;
    }
}

} // namespace
