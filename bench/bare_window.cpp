// The smallest Qt Widgets program with a window: the yardstick for Resomar's start-up and memory.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Qt"));
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.resize(193, 97);
    window.show();
    return app.exec();
}
