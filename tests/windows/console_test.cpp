#include "app/windows_console.hpp"
#include "tests/printers.hpp"

#include <gtest/gtest.h>

namespace {

struct HelpSwitchCase
{
    const char *name;
    QStringList arguments, read;
};

TEST(WindowsConsole, ReadsSlashQuestionMarkAsHelp)
{
    const HelpSwitchCase cases[] = {
        {"alone", {"resomar", "/?"}, {"resomar", "--help"}},
        {"after another option", {"resomar", "-v", "/?"}, {"resomar", "-v", "--help"}},
        {"another slash word", {"resomar", "/h"}, {"resomar", "/h"}},
        {"within a word", {"resomar", "-style", "a/?"}, {"resomar", "-style", "a/?"}},
    };
    for (const HelpSwitchCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(app::withWindowsHelpSwitch(c.arguments), c.read);
    }
}

struct CodePageCase
{
    unsigned codePage;
    const char *bytes; // of "é « »"
};

TEST(WindowsConsole, WritesInTheConsolesCodePage)
{
    const CodePageCase cases[] = {
        {850, "\x82 \xae \xaf"}, // French Windows' console
        {1252, "\xe9 \xab \xbb"},
        {65001, "\xc3\xa9 \xc2\xab \xc2\xbb"},
    };
    for (const CodePageCase &c : cases) {
        SCOPED_TRACE(c.codePage);
        EXPECT_EQ(app::consoleBytes(QString::fromUtf8("é « »"), c.codePage), QByteArray(c.bytes));
    }
}

} // namespace
