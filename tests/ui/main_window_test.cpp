#include "harness.hpp"
#include "splash_clock.hpp"
#include "ui/widgets/button.hpp"
#include "ui/widgets/frame_3d.hpp"
#include "ui/widgets/line_shape.hpp"
#include "ui/widgets/panel_3d.hpp"
#include "ui/widgets/tab_control.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>

namespace {

class MainWindowTest : public test::OnTab<1>
{
protected:
    // The widgets the tabs lay out on their canvases, Qt's own parts of them left out.
    QList<QWidget *> laidOut() const
    {
        QList<QWidget *> widgets;
        const auto *tabs = find<ui::TabControl>("SSpanel");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            for (QWidget *widget : tabs->canvas(tab)->findChildren<QWidget *>()) {
                if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
                    widgets << widget;
            }
        }
        return widgets;
    }
};

TEST_F(MainWindowTest, OpensWithItsCaptionAndIconOnTheMiddleTab)
{
    const test::OwnMainWindow fresh;
    EXPECT_EQ(fresh.window.windowTitle(), "v" RESOMAR_VERSION " Resomar ");
    EXPECT_FALSE(fresh.window.windowIcon().isNull());
    EXPECT_EQ(fresh.find<QTabWidget>("SSpanel")->currentIndex(), 1);
}

// Until their step comes, a fresh window hides the results and locks what needs an input first;
// nothing else.
TEST_F(MainWindowTest, StartsWithOnlyTheResultsToComeHiddenOrLocked)
{
    QStringList hidden, locked;
    for (const QWidget *widget : laidOut()) {
        if (widget->isHidden())
            hidden << widget->objectName();
        if (!widget->isEnabled())
            locked << widget->objectName();
    }
    QStringList expectedHidden {"SSPanelAffichage", "SSPanel14", "SSPanel15", "SSPanel16",
        "PICT_PC1", "PICT_PC2", "LINE_Ping", "LINE_Retour", "LBL_Ping", "LBL_echo",
        "LBL_ListeReseau", "LST_Reseau"};
    QStringList expectedLocked {
        "CMD_Verification", "BTN_Slash", "CMD_Calcul", "NbrStationsPossibles"};
    for (const auto &[array, count] :
        {std::pair {"Adresse1", 4}, {"smasque2", 4}, {"Bit1", 8}, {"Bit2", 8}, {"Bit3", 8}}) {
        for (int i = 0; i < count; ++i)
            expectedLocked << element(array, i);
    }
    for (QStringList *names : {&hidden, &locked, &expectedHidden, &expectedLocked})
        names->sort();
    EXPECT_EQ(hidden, expectedHidden);
    EXPECT_EQ(locked, expectedLocked);
}

TEST_F(MainWindowTest, EveryWidgetLiesWholeWithinItsContainer)
{
    for (QWidget *widget : laidOut()) {
        // The lines cover their container, as the inventory draws them.
        if (!qobject_cast<ui::LineShape *>(widget)) {
            EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
                << widget->objectName() << " at " << widget->geometry().x() << ","
                << widget->geometry().y() << " in " << widget->parentWidget()->objectName();
        }
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
        SCOPED_TRACE(p);
        EXPECT_EQ(left(element("Bit2", p)), left(element("Bit1", p)));
        EXPECT_EQ(left(element("Bit3", p)), left(element("Bit1", p)));
    }
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

TEST_P(CaptionFitTest, FitsEveryCaptionInItsBoxAsBuiltAsTheHandlersWriteThemAndOnTheSplash)
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

    ui::Apropos splash;
    test::SplashClock clock(splash);
    splash.Form_Load();
    EXPECT_EQ(misfits(splash), QStringList()) << "the splash's title and credit";
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CaptionFitTest, ::testing::ValuesIn(ui::carriedLanguages()),
    [](const auto &info) { return info.param.toStdString(); });

TEST_F(MainWindowTest, EachTabsQuitButtonClosesTheWindow)
{
    for (int tab = 0; tab < find<QTabWidget>("SSpanel")->count(); ++tab) {
        SCOPED_TRACE(tab);
        test::OwnMainWindow fresh;
        fresh.window.show();
        fresh.select(tab);
        const auto quit
            = fresh.find<ui::TabControl>("SSpanel")->canvas(tab)->findChildren<QPushButton *>(
                QRegularExpression("Quitter$"));
        ASSERT_EQ(quit.size(), 1);
        fresh.click(quit[0]->objectName());
        EXPECT_FALSE(fresh.window.isVisible());
        EXPECT_TRUE(fresh.messages.shown.empty());
    }
}

} // namespace
