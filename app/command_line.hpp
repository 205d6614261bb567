#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// The program's own options, --help and --version; Qt takes its standard ones (-platform,
// -display, -style, ...) while the application object is made, before these are read.

namespace app {

// Whether the arguments ask only for text (--help, --version, or a mistake to report): then no
// window is needed and the program must answer even with no display. True exactly when
// answerCommandLine() has an answer for the same arguments.
[[nodiscard]] bool asksOnlyForText(int argc, char **argv);

struct CommandLineAnswer
{
    QString text; // to print: on standard output when the status is 0, else on standard error
    int status;
};

// Gives the text of the program's language in the user's: QCoreApplication::translate() in the
// "main" context once the application exists.
using Translate = QString (*)(const char *source);
[[nodiscard]] QString translateMain(const char *source);

// Reads the arguments left once Qt has taken its own (the program's name first); Qt's standard
// options that are still there are let through. Returns the answer to print and the status to
// end with for --help, --version and arguments it does not know, in one line for a mistake;
// nothing when the program should start.
[[nodiscard]] std::optional<CommandLineAnswer> answerCommandLine(
    const QStringList &arguments, Translate translate = translateMain);

// An argument as it may be shown on a terminal: control characters written as \xHH, so that no
// escape sequence in it reaches the terminal.
[[nodiscard]] QString printable(const QString &argument);

// Prints the answer on its stream. Returns its status, or 1 with a line on standard error when the
// answer could not be written whole (a full disk, a closed output).
[[nodiscard]] int print(const CommandLineAnswer &answer);

} // namespace app
