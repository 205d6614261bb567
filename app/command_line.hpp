#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's own options, --help and --version; Qt takes its standard ones (-platform,
// -display, -style, ...) while the application object is made, before these are read.

namespace app {

// Whether the arguments ask only for text (--help, --version): then no window is needed and the
// program must answer even with no display.
[[nodiscard]] bool asksOnlyForText(int argc, char **argv);

struct CommandLineAnswer
{
    QString text; // to print: on standard output when the status is 0, else on standard error
    int status;
};

// Reads the arguments left once Qt has taken its own (the program's name first). Returns the
// answer to print and the status to end with for --help, --version and arguments it does not
// know; nothing when the program should start.
[[nodiscard]] std::optional<CommandLineAnswer> answerCommandLine(const QStringList &arguments);

} // namespace app
