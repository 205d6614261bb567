#include "core/binary_sum.hpp"
#include "core/octet_rules.hpp"
#include "core/same_network.hpp"
#include "harness.hpp"

#include <QRegularExpression>
#include <random>
#include <sstream>

namespace {

// Thousands of random user actions over every tab, from GoogleTest's seed, a new one each run
// (--gtest_random_seed replays one; RESOMAR_MONKEY_ACTIONS sets how many), checking after each
// action what must always hold.
class MonkeyTest : public test::OnTab<1>
{
protected:
    MonkeyTest()
        : random_(static_cast<unsigned>(::testing::UnitTest::GetInstance()->random_seed()))
    {
        for (QLineEdit *box : window.findChildren<QLineEdit *>()) {
            // The binary panel's boxes and the result box take typing that nothing reads; the
            // invariants below speak of what the program writes there.
            const QString name = box->objectName();
            if (!name.startsWith("TXT_") && name != "Nombre3" && !name.isEmpty())
                boxes_ << box;
        }
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (!button->objectName().isEmpty() && !button->objectName().contains("Quitter"))
                buttons_ << button;
        }
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString randomText()
    {
        static const QStringList kinds {"", " ", "0", "7", "12", "126", "127", "191", "192", "223",
            "254", "255", "256", "300", "-1", "-5", "-", ".", "12.5", "255.5", "1E999", "1e2",
            "&HFF", "&O7", "12abc", "abc", " 7", "2 5", "\t", "\x01\x02", "\r\n", "é", "١٢", "😀",
            "000", "001", "99999999999999999999"};
        const int pick = below(200);
        if (pick == 0)
            return QString(100'000, QChar('9'));
        if (pick == 1)
            return QString(50'000, QChar(' ')) + "42";
        if (pick < 20) // one to four digits, leading zeros and all
            return QString::number(10'000 + below(10'000)).right(1 + below(4));
        return kinds[below(kinds.size())];
    }

    template <typename W> W *anyUsable(const QList<W *> &widgets)
    {
        QList<W *> usable;
        for (W *widget : widgets) {
            if (widget->isVisible() && widget->isEnabled())
                usable << widget;
        }
        return usable.isEmpty() ? nullptr : usable[below(usable.size())];
    }

    // One random action; says what it did.
    std::string act()
    {
        std::ostringstream did;
        const int kind = below(100);
        if (kind < 55) {
            QLineEdit *box = anyUsable(boxes_);
            if (!box)
                return "nothing to type in";
            const QString text = randomText();
            box->setFocus();
            if (below(2))
                box->selectAll();
            // Keystrokes for short printable ASCII texts; the rest arrives as pastes.
            if (kind < 35 && text.size() < 30
                && !text.contains(QRegularExpression("[^\\x20-\\x7e]"))) {
                QTest::keyClicks(box, text);
                did << "typed";
            } else if (kind < 45) {
                box->insert(text); // a paste
                did << "pasted";
            } else {
                QTest::keyClick(box, Qt::Key_Backspace);
                did << "erased a character of";
            }
            did << " '" << text.left(20).toStdString() << (text.size() > 20 ? "…" : "") << "' in "
                << box->objectName().toStdString();
        } else if (kind < 90) {
            QAbstractButton *button = anyUsable(buttons_);
            if (!button)
                return "nothing to click";
            QTest::mouseClick(button, Qt::LeftButton);
            did << "clicked " << button->objectName().toStdString();
        } else {
            const int tab = below(find<QTabWidget>("SSpanel")->count());
            select(tab);
            did << "selected tab " << tab;
        }
        return did.str();
    }

    // A bit row's texts, as the core reads them.
    core::BitRow row(const char *name)
    {
        core::BitRow bits;
        for (int p = 0; p < 8; ++p)
            bits[p] = text(element(name, p)).toStdString();
        return bits;
    }

    void check()
    {
        // First tab: no octet box keeps a text outside 0 to 255 once its handler has run.
        for (const char *group : {"AdresseIP1", "masque1", "AdresseIP2", "Masque2", "Adresse1"}) {
            for (const QString &octet : texts(group))
                EXPECT_TRUE(core::Verif_Octet(octet.toStdString()))
                    << group << " holds " << octet.left(20).toStdString();
        }
        // Second tab: both class groups select the same class.
        EXPECT_EQ(checked("SSOption1"), checked("SSOption2")) << "the class groups disagree";
        // Third tab: the rows follow the numbers, and the result follows the rows.
        for (const auto &[number, bits] : {std::pair {"Nombre1", "Bit1"}, {"Nombre2", "Bit2"}}) {
            const std::string typed = text(number).toStdString();
            EXPECT_TRUE(core::Verif_Nombre(typed)) << number << " out of range stayed";
            const bool untouched = typed.empty()
                && texts(bits, 8) == QStringList({"", " ", " ", " ", " ", " ", " ", " "});
            EXPECT_TRUE(untouched || row(bits) == core::Conversion_Binaire(typed))
                << bits << " lags its number";
        }
        if (!text("Nombre3").isEmpty()) {
            const core::BinarySum sum = core::Somme_Binaire(row("Bit1"), row("Bit2"));
            EXPECT_EQ(row("Bit3"), sum.bits) << "Bit3 disagrees with Bit1 and Bit2";
            EXPECT_EQ(text("Nombre3").toStdString(), sum.value);
        }
        EXPECT_TRUE(window.isVisible()) << "the window closed";
        for (const core::Message &message : messages.shown)
            EXPECT_TRUE(!message.text.empty()
                && (message.title == core::rangeRefusal().title
                    || message.title == core::verdict(true).title))
                << "an odd message box";
        messages.shown.clear();
    }

    std::mt19937 random_;
    QList<QLineEdit *> boxes_;
    QList<QAbstractButton *> buttons_;
};

TEST_F(MonkeyTest, RandomUseKeepsEveryInvariant)
{
    const int actions = qEnvironmentVariableIntValue("RESOMAR_MONKEY_ACTIONS");
    for (int step = 1; step <= (actions > 0 ? actions : 5000) && !HasFailure(); ++step) {
        SCOPED_TRACE("--gtest_random_seed="
            + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ", action "
            + std::to_string(step));
        SCOPED_TRACE(act());
        check();
    }
}

} // namespace
