#include "harness.hpp"
#include "ui/widgets/line_shape.hpp"
#include "ui/widgets/tab_control.hpp"

#include <QPushButton>
#include <QRegularExpression>

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
