#pragma once

#include "core/message.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"
#include "ui/translations.hpp"
#include "window_driver.hpp"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// A failed expectation prints Qt's strings and the recorded boxes as text, not as bytes.
inline std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << text.toStdString();
}
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        *out << (i ? ", " : "");
        PrintTo(texts[i], out);
    }
    *out << '}';
}

namespace core {

inline void PrintTo(const Message &message, std::ostream *out)
{
    const auto icon = [&] {
        switch (message.icon) {
        case Icon::Critical:
            return "critical";
        case Icon::Exclamation:
            return "exclamation";
        case Icon::Information:
            break;
        }
        return "information";
    };
    *out << '"' << message.text.french() << "\" (" << icon() << ", \"" << message.title.french()
         << "\")";
}

} // namespace core

namespace test {

// Records every message box instead of showing it; onShow lets a test look at the window while
// the box would be up.
struct RecordingMessageBoxes : ui::MessageBoxes
{
    std::vector<core::Message> shown;
    std::function<void(const core::Message &)> onShow;

    void show(const core::Message &message) override
    {
        shown.push_back(message);
        if (onShow)
            onShow(message);
    }
};

// The refusal of every octet and number box, as the user reads it.
inline const core::Message kRangeRefusal {
    "La valeur doit être comprise entre 1 et 254.", core::Icon::Critical, "Erreur de saisie"};

// The real main window, not shown yet, with recorded message boxes and the given pace.
struct MainWindowParts
{
    explicit MainWindowParts(ui::Pace pace)
        : window(messages, pace)
    { }

    RecordingMessageBoxes messages;
    ui::MainWindow window;
};

// The translations of a language, installed before the windows of a fixture that derives from it
// after this are built.
struct InLanguage
{
    explicit InLanguage(ui::Language language)
        : translations(language)
    { }
    ui::Translations translations;
};

// A main window of a test's own, with the driver acting on it; no animation delay by default.
struct OwnMainWindow : MainWindowParts, WindowDriver
{
    explicit OwnMainWindow(ui::Pace pace = ui::Pace {})
        : MainWindowParts(pace)
        , WindowDriver(window)
    { }
};

// The fixture: a main window shown off screen and active, on the given tab.
class WindowTest : public ::testing::Test, protected OwnMainWindow
{
protected:
    explicit WindowTest(int tab)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        select(tab);
    }
};

} // namespace test
