#include "tests/ui/window_driver.hpp"
#include "ui/look.hpp"
#include "ui/main_window.hpp"
#include "ui/message_boxes.hpp"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

struct SilentMessageBoxes : ui::MessageBoxes
{
    void show(const core::Message &) override { }
};

struct Parts
{
    SilentMessageBoxes messages;
    ui::MainWindow window {messages, ui::Pace {}};
};

// The main window on one of its tabs, with message boxes that show nothing.
struct Window : Parts, test::WindowDriver
{
    explicit Window(int tab)
        : WindowDriver(window)
    {
        window.show();
        select(tab);
    }
};

// One keystroke in the first address octet, from the key event to the end state: the octet rule,
// the class caption and the four default mask texts with their own nested handlers. Each round
// types "2" after "19" (class C) and takes it back (class A): two keystrokes.
void BM_AddressKeystroke(benchmark::State &state)
{
    Window w(0);
    QLineEdit *box = w.box("AdresseIP1(0)");
    box->setText("19");
    box->setFocus();
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_2);
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_AddressKeystroke)->Unit(benchmark::kMicrosecond);

// A paste of n characters into an address box and its removal.
void BM_AddressPaste(benchmark::State &state)
{
    Window w(0);
    QLineEdit *box = w.box("AdresseIP1(1)");
    const QString paste = QString(" 9").repeated(static_cast<int>(state.range(0) / 2));
    for (auto _ : state) {
        box->setText(paste);
        box->setText("0");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddressPaste)
    ->RangeMultiplier(10)
    ->Range(1'000, 100'000)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);

// "&Calcul" for 200 subnets of a class A address: 254 lines into the list.
void BM_Calcul254Lines(benchmark::State &state)
{
    Window w(1);
    w.click("SSOption1(0)");
    w.box("NombreSousReseaux")->setText("200");
    auto *calcul = w.find<QPushButton>("CMD_Calcul");
    for (auto _ : state)
        calcul->click();
}
BENCHMARK(BM_Calcul254Lines)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ui::applyLook(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
