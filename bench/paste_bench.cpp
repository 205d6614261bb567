// Huge pastes into the first tab's address box: the time to take the paste, the CPU used while
// the text sits in the focused box, the time to answer a click on the next box and one back in
// the huge box (focus leaving and entering it, repaints included), the time to answer a click on
// "&Vérification" of 10.<huge>.0.0 against 10.0.0.0, and the memory left once the text is
// deleted from the keyboard, then after "&Effacer". Prints
// one line per size; run as paste_bench [megabytes...] (default 1 2 5 10).

#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

struct SilentMessageBoxes : ui::MessageBoxes
{
    void show(const core::Message &) override { }
};

long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

double cpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SilentMessageBoxes messages;
    ui::MainWindow window(messages, ui::Pace {});
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "paste_bench: the window is not active, the cursor will not blink\n");
    auto *box = window.findChild<QLineEdit *>("AdresseIP1(1)");
    auto *effacer = window.findChild<QPushButton *>("CMD_Effacer");
    auto *next = window.findChild<QLineEdit *>("AdresseIP1(2)");
    auto *verify = window.findChild<QPushButton *>("CMD_Verification");
    // A click, and everything it sets off, down to the repaints.
    const auto clickMs = [](QWidget *widget) {
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QApplication::processEvents();
        return timer.elapsed();
    };

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1, 2, 5, 10};
    std::printf("MB  paste_ms  idle_cpu_ms_per_s  click_ms  verify_ms  rss_kB_before  rss_kB_text  "
                "rss_kB_deleted  rss_kB_cleared\n");
    for (const int mb : sizes) {
        // Zeros and a nine: all of it takes part in reading the number, which stays 9.
        QApplication::clipboard()->setText(QString(mb * 1'000'000, u'0') + "9");
        const long before = residentKb();
        for (const char *first : {"AdresseIP1(0)", "AdresseIP2(0)"})
            QTest::keyClicks(window.findChild<QLineEdit *>(first), "10");
        box->setFocus();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); // as the user pastes
        QApplication::processEvents();
        const qint64 pasteMs = timer.elapsed();
        const long withText = residentKb();
        const double cpu0 = cpuMs();
        QTest::qWait(2000);
        const double idle = (cpuMs() - cpu0) / 2;
        const qint64 click = std::max(clickMs(next), clickMs(box));
        const qint64 verification = clickMs(verify);
        QTest::qWait(3000); // the verification's animation and verdict
        // The huge text deleted as a user does: all of it selected, then the delete key.
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::qWait(200);
        const long deleted = residentKb();
        QTest::mouseClick(effacer, Qt::LeftButton);
        QApplication::clipboard()->clear();
        QTest::qWait(200);
        std::printf("%2d  %8lld  %17.0f  %8lld  %9lld  %13ld  %11ld  %14ld  %14ld\n", mb, pasteMs,
            idle, click, verification, before, withText, deleted, residentKb());
    }
    return 0;
}
