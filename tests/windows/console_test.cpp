#include "app/windows_console.hpp"
#include "tests/printers.hpp"

#include <gtest/gtest.h>

namespace {

TEST(WindowsConsole, ReadsSlashQuestionMarkAsHelp)
{
    const struct
    {
        const char *name;
        QStringList arguments, read;
    } cases[] = {
        {"alone", {"resomar", "/?"}, {"resomar", "--help"}},
        {"after another option", {"resomar", "-v", "/?"}, {"resomar", "-v", "--help"}},
        {"another slash word", {"resomar", "/h"}, {"resomar", "/h"}},
        {"within a word", {"resomar", "-style", "a/?"}, {"resomar", "-style", "a/?"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(app::withWindowsHelpSwitch(c.arguments), c.read);
    }
}

TEST(WindowsConsole, WritesInTheConsolesCodePage)
{
    // The bytes of "é « »" in each code page.
    const std::pair<unsigned, const char *> cases[] = {
        {850, "\x82 \xae \xaf"}, // French Windows' console
        {1252, "\xe9 \xab \xbb"},
        {65001, "\xc3\xa9 \xc2\xab \xc2\xbb"},
    };
    for (const auto &[codePage, bytes] : cases)
        EXPECT_EQ(app::consoleBytes(QString::fromUtf8("é « »"), codePage), QByteArray(bytes))
            << "code page " << codePage;
}

} // namespace
