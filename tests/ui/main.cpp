#include "ui/look.hpp"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Test discovery runs this binary at build time, outside CTest's environment, often with no
    // display: settle the environment here.
    for (const auto &[name, value] :
        {std::pair {"QT_QPA_PLATFORM", "offscreen"}, {"LC_ALL", "C.UTF-8"}})
        if (!qEnvironmentVariableIsSet(name))
            qputenv(name, value);
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());

    QApplication app(argc, argv);
    ui::applyLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
