#include "core/same_network.hpp"
#include "core/subnet_planning.hpp"
#include "harness.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

namespace {

// What the user saw of one message box.
struct SeenBox
{
    QString text, title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons standard;
    qsizetype buttons;
    QWidget *over;
};

// Answers every modal message box the moment it is up: reads it and presses its first button.
// Boxes that are not modal are never seen, since nothing waits for them.
class Answerer
{
public:
    Answerer()
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                box->buttons().size(), box->parentWidget()});
            if (!box->buttons().isEmpty())
                box->buttons().front()->click();
            else
                box->reject();
        });
        timer_.start();
    }

    std::vector<SeenBox> seen;

private:
    QTimer timer_;
};

TEST(MessageBoxesTest, TheRealBoxIsModalWithItsTextTitleIconAndOneOk)
{
    const std::pair<core::Message, QMessageBox::Icon> cases[] = {
        {core::rangeRefusal(), QMessageBox::Critical},
        {core::verdict(false), QMessageBox::Warning},
        {core::verdict(true), QMessageBox::Information},
    };
    for (const auto &[message, icon] : cases) {
        SCOPED_TRACE(message.text.french());
        ui::ModalMessageBoxes boxes;
        Answerer answerer;
        boxes.show(message); // returns only once the box is closed
        ASSERT_EQ(answerer.seen.size(), 1u) << "no modal box was up";
        const SeenBox &box = answerer.seen[0];
        EXPECT_EQ(box.text, QString::fromStdString(message.text.french()));
        EXPECT_EQ(box.title, QString::fromStdString(message.title.french()));
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.standard, QMessageBox::Ok);
        EXPECT_EQ(box.buttons, 1);
    }
}

// The main window with the program's own message boxes.
class RealBoxesTest : public ::testing::Test
{
protected:
    RealBoxesTest()
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    ui::ModalMessageBoxes boxes;
    ui::MainWindow window {boxes, ui::Pace {}};
    test::WindowDriver driver {window};
};

// Every octet and number box refuses 300 the same way, and takes 255.
struct Refusing
{
    const char *box, *first; // first: a click that the box waits for, if any
};
class RefusalTest : public RealBoxesTest, public ::testing::WithParamInterface<Refusing>
{
};

TEST_P(RefusalTest, ShowsOneBoxOverTheWindowThenEmptiesTheBox)
{
    driver.selectTabOf(GetParam().box);
    if (GetParam().first)
        driver.click(GetParam().first);
    Answerer answerer;
    driver.typeOver(GetParam().box, "300");
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text, QString::fromStdString(core::rangeRefusal().text.french()));
    ASSERT_NE(answerer.seen[0].over, nullptr);
    EXPECT_EQ(answerer.seen[0].over->window(), &window);
    EXPECT_EQ(driver.text(GetParam().box), "");
    // The window has the keys again, with or without a window manager.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000));
    driver.typeOver(GetParam().box, "255");
    EXPECT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(driver.text(GetParam().box), "255");
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RefusalTest,
    ::testing::Values(Refusing {"AdresseIP1(2)", nullptr}, Refusing {"masque1(3)", nullptr},
        Refusing {"AdresseIP2(2)", nullptr}, Refusing {"Masque2(1)", nullptr},
        Refusing {"Adresse1(2)", "SSOption1(2)"}, Refusing {"Nombre1", nullptr},
        Refusing {"Nombre2", nullptr}),
    [](const auto &row) {
        return QString(row.param.box).remove(QRegularExpression("\\W")).toStdString();
    });

TEST_F(RealBoxesTest, TheClassRefusalsOwnBoxDoesNotCountAsLeavingTheAddress)
{
    driver.selectTabOf("Adresse1(0)");
    driver.click("SSOption1(0)");
    driver.box("Adresse1(0)")->setText("127");
    Answerer answerer;
    // The box takes the focus from Adresse1(2) while it is up; that must not check again.
    driver.click("Adresse1(2)");
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text,
        QString::fromStdString(
            core::Verif_ClasseAdresse(core::IpClass::A, "127")->message.text.french()));
    EXPECT_EQ(driver.text("Adresse1(0)"), "001");
}

} // namespace
