#include "harness.hpp"
#include "ui/splash.hpp"
#include "ui/widgets/frame_3d.hpp"
#include "ui/widgets/line_shape.hpp"
#include "ui/widgets/panel_3d.hpp"
#include "ui/widgets/tab_control.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPaintEvent>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

using PaintingTest = test::OnTab<1>;

const std::string kGrey = "#c0c0c0", kShadow = "#808080", kWhite = "#ffffff";

// A pixel's colour as "#rrggbb", readable in a failure.
std::string colour(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y).name().toStdString();
}

// The frames that hold a tab's widgets, laid straight on its canvas.
QList<ui::Frame3D *> framesOf(const ui::TabControl &tabs, int tab)
{
    return tabs.canvas(tab)->findChildren<ui::Frame3D *>(Qt::FindDirectChildrenOnly);
}

// Where a point of the window shows the window's own background: on a tab page (or its canvas)
// with no widget over it, or inside one of the frames that hold the tab's widgets, off their
// outline.
bool bare(const QWidget &window, const ui::TabControl &tabs, int tab, QPoint at)
{
    QWidget *top = window.childAt(at);
    const QWidget *page = tabs.widget(tab);
    if (top == page || (top && top->parentWidget() == page))
        return true;
    if (!framesOf(tabs, tab).contains(top))
        return false;
    const QRect inside = top->rect().adjusted(3, top->fontMetrics().height() / 2 + 3, -3, -3);
    return inside.contains(top->mapFrom(&window, at));
}

// The colours halfway along an image's edges, `in` pixels in (the top one at `top`): top, left,
// bottom, right.
std::string edges(const QImage &image, int in, int top)
{
    const int w = image.width(), h = image.height();
    return colour(image, w / 2, top) + " " + colour(image, in, h / 2) + " "
        + colour(image, w / 2, h - 1 - in) + " " + colour(image, w - 1 - in, h / 2);
}
// Edges lit from the top left: one colour there, another bottom right.
std::string lit(const std::string &topLeft, const std::string &bottomRight)
{
    return topLeft + " " + topLeft + " " + bottomRight + " " + bottomRight;
}

// An etched outline: a shadow line with a white line inside it on the top and left, and a shadow
// line with a white line outside it on the bottom and right; the line at the top runs halfway
// down the first line of text.
void expectEtched(QWidget *frame)
{
    SCOPED_TRACE(frame->objectName().toStdString());
    const QImage image = frame->grab().toImage();
    const int top = frame->fontMetrics().height() / 2;
    EXPECT_EQ(edges(image, 0, top), lit(kShadow, kWhite));
    EXPECT_EQ(edges(image, 1, top + 1), lit(kWhite, kShadow));
    EXPECT_EQ(colour(image, image.width() / 2, top - 1), kGrey) << "above its outline";
}

TEST_F(PaintingTest, PaintsEachTabGreyWhereNoWidgetCoversItAndEtchesItsFrames)
{
    const auto *tabs = find<ui::TabControl>("SSpanel");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        SCOPED_TRACE(tab);
        select(tab);
        const QImage image = window.grab().toImage();
        int checked = 0;
        for (int y = 0; y < window.height(); y += 3) {
            for (int x = 0; x < window.width(); x += 3) {
                if (!bare(window, *tabs, tab, {x, y}))
                    continue;
                ++checked;
                ASSERT_EQ(colour(image, x, y), kGrey)
                    << "at " << x << ", " << y << " under " << window.childAt(x, y)->objectName();
            }
        }
        EXPECT_GT(checked, 5000);
        // Inside every tab, selected or not, left of its caption.
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect header = tabs->tabBar()->tabRect(i).translated(tabs->tabBar()->pos());
            EXPECT_EQ(colour(image, header.left() + 5, header.center().y()), kGrey) << "tab " << i;
        }
        ASSERT_FALSE(framesOf(*tabs, tab).empty());
        for (ui::Frame3D *frame : framesOf(*tabs, tab))
            expectEtched(frame);
    }
}

TEST_F(PaintingTest, LabelsDrawTheirTextFromTheTop)
{
    const ui::Apropos splash;
    const QList<QLabel *> labels
        = window.findChildren<QLabel *>() + splash.findChildren<QLabel *>();
    ASSERT_FALSE(labels.empty());
    for (const QLabel *label : labels)
        EXPECT_EQ(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop) << label->objectName();
}

TEST_F(PaintingTest, TheComputersLieAboveTheLines)
{
    select(0);
    auto *frame1 = find("Frame1");
    // The red request line drawn back across the first computer, as the verification's first
    // steps draw it, and the blue reply line across the second one: neither shows on them.
    auto *ping = find<ui::LineShape>("LINE_Ping");
    auto *retour = find<ui::LineShape>("LINE_Retour");
    ping->setColor(Qt::red);
    ping->setX2(0);
    retour->setColor(Qt::blue);
    retour->setX2(7455);
    for (QWidget *widget :
        {find("PICT_PC1"), find("PICT_PC2"), find("LINE_Ping"), find("LINE_Retour")})
        widget->show();
    const QImage image = frame1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const char *name : {"PICT_PC1", "PICT_PC2"}) {
        const QImage drawn = find(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.copy(find(name)->geometry()), drawn) << name;
    }
    // The lines themselves are painted where no picture covers them.
    EXPECT_EQ(image.pixelColor(ui::px(60), ui::px(4755)), QColor(Qt::red)) << "left of PICT_PC1";
    EXPECT_EQ(image.pixelColor(ui::px(7400), ui::px(4755)), QColor(Qt::blue))
        << "right of PICT_PC2";
}

TEST_F(PaintingTest, BitBoxesAreGreyedLikeEveryOtherDisabledBox)
{
    select(2);
    typeOver("Nombre1", "255");
    const QPalette locked = box("smasque2(0)")->palette();
    for (const char *name : {"Bit1(0)", "Bit1(7)", "Bit2(3)", "Bit3(0)"}) {
        QLineEdit *bit = box(name);
        ASSERT_FALSE(bit->isEnabled()) << name;
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
            EXPECT_EQ(bit->palette().color(QPalette::Disabled, role),
                locked.color(QPalette::Disabled, role))
                << name << " role " << role;
        }
    }
    // "1" in grey on grey, off the border: no pixel darker than the greyed text, some as dark.
    EXPECT_EQ(text("Bit1(0)"), "1");
    const QImage image = box("Bit1(0)")->grab().toImage();
    int darkest = 255, lightest = 0;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
            lightest = std::max(lightest, qGray(image.pixel(x, y)));
        }
    }
    EXPECT_GE(darkest, 128);
    EXPECT_LT(darkest, 170);
    EXPECT_EQ(lightest, 192);
}

// Where the focus goes from a widget with one key press.
QString focusAfter(QWidget *from, Qt::Key key)
{
    from->setFocus(Qt::TabFocusReason);
    QTest::keyClick(from, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    return QApplication::focusWidget()->objectName();
}

TEST_F(PaintingTest, TabLandsOnTheSelectedOptionOfAGroupAndLeavesFromIt)
{
    for (const int classe : {1, 0, 2}) {
        SCOPED_TRACE(classe);
        const QString addressOption = element("SSOption1", classe);
        const QString maskOption = element("SSOption2", classe);
        // Chosen from code, as the other group's click does.
        find<QRadioButton>(addressOption)->setChecked(true);
        EXPECT_EQ(focusAfter(box("Adresse1(3)"), Qt::Key_Tab), addressOption);
        // From the option, Tab leaves the group and Shift+Tab comes back to the option.
        EXPECT_EQ(focusAfter(find(addressOption), Qt::Key_Tab), "smasque2(3)");
        EXPECT_EQ(focusAfter(box("smasque2(3)"), Qt::Key_Backtab), addressOption);
        EXPECT_EQ(focusAfter(find("CMD_Quitter"), Qt::Key_Backtab), maskOption);
        EXPECT_EQ(focusAfter(find(maskOption), Qt::Key_Tab), "CMD_Quitter");
    }
}

TEST(TabControlTest, SharesFollowTheControlsWidth)
{
    ui::TabControl tabs;
    // The tabs' left edges and widths, left to right.
    const auto spans = [&] {
        std::vector<std::pair<int, int>> result;
        for (int i = 0; i < tabs.count(); ++i) {
            const QRect rect = tabs.tabBar()->tabRect(i).translated(tabs.tabBar()->pos());
            result.emplace_back(rect.left(), rect.width());
        }
        return result;
    };
    for (int i = 0; i < 3; ++i)
        tabs.addCanvas();
    tabs.setTabText(0, "&Un");
    tabs.setTabText(1, "Un onglet bien plus long que les autres");
    tabs.setTabText(2, "Trois");
    tabs.resize(300, 200);
    tabs.show();
    EXPECT_EQ(spans(), (std::vector<std::pair<int, int>> {{0, 100}, {100, 100}, {200, 100}}));
    tabs.resize(601, 200);
    EXPECT_EQ(spans(), (std::vector<std::pair<int, int>> {{0, 200}, {200, 200}, {400, 201}}));
}

using Bevel = ui::Panel3D::Bevel;

TEST(Panel3DTest, BevelsAreLightTopLeftAndDarkBottomRightWhenRaisedAndTheReverseWhenInset)
{
    const std::pair<Bevel, Bevel> cases[] = {{Bevel::Raised, Bevel::None},
        {Bevel::Inset, Bevel::None}, {Bevel::Raised, Bevel::Inset}, {Bevel::Inset, Bevel::Raised}};
    for (const auto &[outer, inner] : cases) {
        ui::Panel3D panel;
        panel.resize(60, 40);
        panel.setOuterBevel(outer);
        panel.setInnerBevel(inner);
        const QImage image = panel.grab().toImage();
        SCOPED_TRACE("outer " + std::to_string(static_cast<int>(outer)) + ", inner "
            + std::to_string(static_cast<int>(inner)));
        // The outer bevel on the panel's edge; the border inside it; the inner bevel inside that.
        for (const auto &[bevel, at] : {std::pair {outer, 0}, std::pair {inner, 4}}) {
            if (bevel == Bevel::None)
                continue;
            EXPECT_EQ(edges(image, at, at),
                bevel == Bevel::Raised ? lit(kWhite, kShadow) : lit(kShadow, kWhite))
                << "at " << at;
        }
        EXPECT_EQ(colour(image, 2, 20), kGrey) << "the border";
        EXPECT_EQ(colour(image, 30, 20), kGrey) << "the face";
        if (inner == Bevel::None) {
            EXPECT_EQ(colour(image, 4, 20), kGrey) << "no inner bevel";
        }
    }
}

TEST_F(PaintingTest, PushButtonsShowTheirBackColourOnTheirFace)
{
    select(0);
    find<QCheckBox>("SSCHK_AffichageBinaire")->setChecked(true);
    const std::pair<const char *, std::string> buttons[]
        = {{"CMD_AutreReseau", "#808080"}, {"CMD_Effacer", kGrey}, {"CMD2_Quitter", kGrey}};
    for (const auto &[name, face] : buttons) {
        SCOPED_TRACE(name);
        const QImage image = find(name)->grab().toImage();
        // Left of the caption, halfway down, and below it in the middle, inside the edge.
        EXPECT_EQ(colour(image, 2, image.height() / 2), face);
        EXPECT_EQ(colour(image, image.width() / 2, image.height() - 3), face);
        // The raised edge: light top left, black outline and shadow bottom right.
        EXPECT_EQ(edges(image, 0, 0), lit(kWhite, "#000000"));
        EXPECT_EQ(colour(image, image.width() - 2, image.height() / 2), kShadow);
    }
}

// A line that records the parts of its container it is asked to paint.
class RecordedLine : public ui::LineShape
{
public:
    using LineShape::LineShape;
    QRegion painted;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        painted += event->region();
        LineShape::paintEvent(event);
    }
};

TEST(LineShapeTest, AMovedEndRepaintsWhereTheLineWasAndWhereItIs)
{
    QWidget container;
    container.resize(400, 100);
    auto *line = new RecordedLine(&container);
    line->setLineWidth(2);
    line->setX1(ui::twips(10));
    line->setY1(ui::twips(50));
    line->setX2(ui::twips(100));
    line->setY2(ui::twips(50));
    container.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&container));
    QCoreApplication::processEvents();

    // One end moved while the event loop runs: the next paint covers both places.
    line->painted = QRegion();
    line->setX1(ui::twips(200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !line->painted.isEmpty(); }));
    for (const QPoint at : {QPoint(20, 50), QPoint(60, 50), QPoint(150, 50), QPoint(199, 50)})
        EXPECT_TRUE(line->painted.contains(at)) << at.x() << ", " << at.y();

    // Moved with the event loop blocked: repaintNow() paints both places at once.
    line->painted = QRegion();
    line->setX2(ui::twips(380));
    line->repaintNow();
    for (const QPoint at : {QPoint(110, 50), QPoint(150, 50), QPoint(300, 50), QPoint(379, 50)})
        EXPECT_TRUE(line->painted.contains(at)) << "at once: " << at.x() << ", " << at.y();
}

} // namespace
